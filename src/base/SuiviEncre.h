#pragma once
// What the drawing of a surface may have changed, for the readers that skip what did not: per row,
// the last column that may hold a colour other than the background (the line scanners, the screen
// store read no further), and per band of rows, the number of the last change that may have touched
// it (the screen store's shared copies keep the bands unchanged since). The surface feeds it with
// every figure it draws; everyone else reads it through `Surface::Encre()`.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

class SuiviEncre {
public:
    static constexpr int HauteurBande = 64;

    explicit SuiviEncre(int hauteur);

    // Reading.
    std::uint64_t Identite() const { return identite_; }  // distinct for every surface made
    // Each change numbers the bands it may touch: a band whose number is not above the `Version()`
    // read at a copy is unchanged since.
    std::uint64_t Version() const { return version_; }
    std::uint64_t VersionBande(int bande) const {
        return bande >= 0 && static_cast<std::size_t>(bande) < bandes_.size() ? bandes_[static_cast<std::size_t>(bande)] : version_;
    }
    // The last column of row y (0 <= y < the height) that may hold ink: every column right of it
    // holds the background; -1 when the row is all background.
    int Droite(int y) const { return droites_[static_cast<std::size_t>(y)]; }
    // The same over rows haut to bas.
    int Droite(int haut, int bas) const;
    const std::vector<int>& Droites() const { return droites_; }

    // Feeding, by the surface.
    // Anything may have changed anywhere (a picture taken whole).
    void Tout(int hauteur);
    // The rows from `depuis` on hold the background alone.
    void Vierge(int depuis);
    // A new height: the rows kept keep their bounds, the new ones are blank.
    void Redimensionner(int hauteur);
    // Rows y1 to y2 may change, none of them right of column `droite`.
    void Rangees(int y1, int y2, int droite = std::numeric_limits<int>::max());
    // A pen stroke from (a, b) to (c, d), or a circle of radius r with its fill, under a pen reaching
    // `demiPlume` pixels from its path: each row's bound follows the figure.
    void Trait(int a, int b, int c, int d, int demiPlume);
    void Disque(int cx, int cy, int r, int demiPlume);
    // One pixel set by a stroke whose rows were given to Rangees with no column (-1): exact bounds
    // for thin lines.
    void Pixel(int x, int y) {
        int& d = droites_[static_cast<std::size_t>(y)];
        if (x > d) d = x;
    }

private:
    int Hauteur() const { return static_cast<int>(droites_.size()); }

    std::uint64_t identite_;
    std::uint64_t version_ = 1;
    std::vector<std::uint64_t> bandes_;
    std::vector<int> droites_;
};
