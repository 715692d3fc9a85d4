#pragma once
// A numbered store of surface pictures: the stored screens and the ring of recallable pages.
//
// A picture is kept as a grid of 64 x 64 tiles. A tile of one colour is kept as that colour, a tile
// of two colours as those colours and one bit a pixel; any other tile as an LZ4 block (fast both
// ways), or as it is when that would not be smaller.
// A sharing store also compares each tile with the picture it stored last and keeps the same tile
// when nothing changed there, so consecutive snapshots of a page being written cost only the tiles
// that the new words touched. Pictures come back exact to the pixel.
// A store that does not share can take a surface's picture away as it clears it: the tiles are
// then coded by a thread of the store while the writing goes on, two pictures at most waiting.

#include "base/Surface.h"

#include <QImage>
#include <QPointF>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class MagasinImages {
public:
    static constexpr int CoteTuile = 64;

    // `partage`: compare with the last stored picture and share the tiles that did not change.
    explicit MagasinImages(int places = 0, bool partage = false);
    ~MagasinImages();
    MagasinImages(const MagasinImages&) = delete;
    MagasinImages& operator=(const MagasinImages&) = delete;

    int Places() const { return static_cast<int>(places_.size()); }  // fixed by the owner's thread
    // Keeps the pictures of the places below the new count.
    void FixerPlaces(int places);

    // Stores a copy of `image` with a cursor position; false when the place is out of range.
    bool Ranger(int place, const QImage& image, QPointF position = {});
    // The same for a surface's picture: a sharing store that stored this surface last compares
    // only the bands of rows the surface changed since.
    bool Ranger(int place, const Surface& surface, QPointF position = {});
    // Ranger, then Surface::Effacer, without copying the picture nor filling a new
    // one: the surface's picture is taken as it is and coded later (the place gives it back
    // meanwhile), and the surface gets a sheet cleared beforehand. Without such a sheet (the first
    // time, or while the thread is busy) the picture is stored and the surface cleared at once.
    bool RangerEtEffacer(int place, Surface& surface, QPointF position = {});
    // Has the thread clear sheets for the surface's next clearings ahead of them (a store that does
    // not share, short of sheets of that size and background).
    void PreparerFeuille(const Surface& surface);
    // Waits until every picture taken is coded.
    void Attendre() const;
    bool Occupee(int place) const;
    QImage Image(int place) const;  // null when the place is empty or out of range
    // The same into `image`, whose pixels are reused when it has the size and is not shared; false
    // for an empty place.
    bool Image(int place, QImage& image) const;
    QPointF Position(int place) const;
    // What was drawn on the surface stored there; null for a picture stored alone.
    std::shared_ptr<const ListeTraces> Traces(int place) const;
    void Vider();

    // Bytes held by the tiles of every place, a tile shared by several places counted once,
    // plus the comparison copy of a sharing store and the pictures and sheets of the thread.
    qint64 Octets() const;

private:
    struct Tuile;
    struct Cliche;
    using TuilePartagee = std::shared_ptr<const Tuile>;
    struct Travail {
        int place;                              // -1: a cleared sheet of `taille` to prepare
        std::shared_ptr<const Cliche> attente;  // the place's picture until it is coded
        QRgb fond;
        QSize taille;
        std::vector<int> droites;  // per row, the last column drawn on (SuiviEncre::Droite)
    };
    bool RangerLibre(int place, const Surface& surface, QPointF position);
    bool OccupeeLibre(int place) const;
    void PreparerFeuilleLibre(const Surface& surface);
    bool FeuillePrete(const Surface& surface) const;
    void Rendre(QImage feuille, QRgb fond);  // a cleared sheet back to the ready ones
    void Demarrer();  // starts the thread if need be and wakes it
    void Ouvrier();

    // `intactes`: per band of tiles, true when it is known equal to the last stored picture.
    // `droites`: per row, the last column that may differ from `fondUni` (SuiviEncre::Droite);
    // bands of rows without one are plain.
    std::shared_ptr<const Cliche> Decouper(const QImage& image, QPointF position, const std::vector<bool>* intactes,
                                           QRgb fondUni = 0, const std::vector<int>* droites = nullptr);
    // `lus`: the rows' pixels that differ from the tile's first, one bit each, when already read.
    static TuilePartagee Coder(const QImage& image, const QRect& zone, const std::uint64_t* lus);

    bool partage_;
    std::vector<std::shared_ptr<const Cliche>> places_;
    std::vector<std::shared_ptr<const ListeTraces>> traces_;  // beside places_
    QImage reference_;                    // the last stored picture (sharing stores only)
    std::shared_ptr<const Cliche> dernier_;  // its tiles
    std::uint64_t source_ = 0, versionSource_ = 0;  // the surface it came from, and its version then

    // The coding thread: every member above is read and written under `verrou_`.
    mutable std::mutex verrou_;
    mutable std::condition_variable signal_;
    std::deque<Travail> travaux_;
    int actifs_ = 0;        // pictures being coded
    static constexpr size_t kFeuilles = 2;  // cleared sheets kept ready
    std::vector<QImage> feuilles_;          // all of one size, of the background `fondFeuilles_`
    QRgb fondFeuilles_ = 0;
    bool arret_ = false;
    std::thread ouvrier_;
};
