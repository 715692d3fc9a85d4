#pragma once
// The writing surface: a picture in pixels (X right, Y down) backed by a QImage, with the drawing
// state of a classic picture box (pen, fill, draw mode, text position, font). All drawing of the
// program goes through it. Drawing is aliased so that pixels compare exactly with the background.
//
// Colours cross this interface as 0x00BBGGRR. Line styles: 0 solid, 1 dash, 2 dot, 3 dash-dot,
// 4 dash-dot-dot, 5 transparent. Fill styles: 0 solid, 1 transparent, 2 horizontal, 3 vertical,
// 4 upward diagonal, 5 downward diagonal, 6 cross, 7 diagonal cross. Draw modes: 13 copy pen,
// 6 invert (drawing the same figure twice restores the pixels).

#include "base/EtatProgramme.h"
#include "base/ListeTraces.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

class Surface {
public:
    enum { ModeCopie = 13, ModeInverse = 6 };

    Surface(int largeur = 800, int hauteur = 600, Couleur fond = 0xFFFFFF);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    static QRgb VersRgb(Couleur c) { return 0xFF000000u | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }
    static Couleur DepuisRgb(QRgb r) { return ((r & 0xFF) << 16) | (r & 0xFF00) | ((r >> 16) & 0xFF); }

    // Drawing state.
    void FixerCouleurTrait(Couleur c) { couleurTrait_ = c; }
    Couleur CouleurTrait() const { return couleurTrait_; }
    void FixerCouleurRemplissage(Couleur c) { couleurRemplissage_ = c; }
    Couleur CouleurRemplissage() const { return couleurRemplissage_; }
    void FixerStyleRemplissage(int style) { styleRemplissage_ = style; }
    int StyleRemplissage() const { return styleRemplissage_; }
    void FixerLargeurTrait(int largeur) { largeurTrait_ = largeur < 1 ? 1 : largeur; }
    int LargeurTrait() const { return largeurTrait_; }
    void FixerStyleTrait(int style) { styleTrait_ = style; }
    int StyleTrait() const { return styleTrait_; }
    void FixerModeDessin(int mode) { modeDessin_ = mode; }
    int ModeDessin() const { return modeDessin_; }

    // Background: setting it clears the picture to the new colour, as on a new sheet.
    Couleur CouleurFond() const { return couleurFond_; }
    void FixerCouleurFond(Couleur c);
    void Effacer();
    // Effacer without filling: `feuille`, a picture of the same size already of the background
    // colour all over, takes the place of the picture, which is given back with what was drawn.
    // A sheet of another size or format is filled here instead.
    QImage Echanger(QImage feuille, ListeTraces* traces = nullptr);

    // Figures, in the foreground colour and current line width, style and draw mode.
    void Ligne(double x1, double y1, double x2, double y2);
    void Point(double x, double y);                      // one pixel, foreground colour
    void Point(double x, double y, Couleur c);           // one pixel, given colour
    void Boite(double x1, double y1, double x2, double y2);  // outline, filled by the fill style
    void Cercle(double cx, double cy, double rayon);      // outline, filled by the fill style

    // One pixel: 0x00BBGGRR, or -1 outside the picture.
    qint64 LirePixel(double x, double y) const;

    // Direct scan-line access for the line scanners: compare with FondRgb().
    const QRgb* LigneBrute(int y) const { return reinterpret_cast<const QRgb*>(image_.constScanLine(y)); }
    QRgb FondRgb() const { return VersRgb(couleurFond_); }

    // Text at the text position, in the surface font; the position moves past the text.
    void FixerPositionTexte(double x, double y) { texteX_ = x; texteY_ = y; }
    double PositionTexteX() const { return texteX_; }
    double PositionTexteY() const { return texteY_; }
    void FixerPolice(const QFont& police) { police_ = police; police_.setStyleStrategy(QFont::NoAntialias); }
    const QFont& Police() const { return police_; }
    void ImprimerTexte(const QString& texte);
    int LargeurTexte(const QString& texte) const;
    int HauteurTexte() const;

    // Persistent image switch of the paced drawing (the window shows the picture on request).
    void FixerPersistant(bool actif) { persistant_ = actif; }
    bool Persistant() const { return persistant_; }

    // Size: growing keeps the drawing and fills the new area with the background.
    int Largeur() const { return largeur_; }
    int Hauteur() const { return hauteur_; }
    void FixerLargeur(int largeur) { Redimensionner(largeur, Hauteur()); }
    void FixerHauteur(int hauteur) { Redimensionner(Largeur(), hauteur); }
    void Redimensionner(int largeur, int hauteur);

    // Pictures.
    bool ChargerBmp(const QString& fichier);  // false (picture unchanged) when unreadable
    bool SauverBmp(const QString& fichier) const;  // whole or not at all, as Enregistrer
    // Saves the picture by the file's extension (BMP by default, PNG, ...), keeping the previous
    // file whole when the save fails.
    bool Enregistrer(const QString& fichier) const;
    void Coller(const QImage& image, double x, double y);
    void RemplacerImage(const QImage& image);  // takes the picture whole, size included
    QImage Image() const;                      // a copy of the picture
    const QImage& Vue() const { return image_; }  // the picture itself, for showing it

    // What was drawn, kept in step with the pixels (see ListeTraces).
    const ListeTraces& Traces() const { return traces_; }
    ListeTraces& Traces() { return traces_; }

    // Change tracking for copies kept by bands of rows: each change numbers the bands it may touch.
    // A band whose number is not above the `Version()` read at a copy is unchanged since.
    static constexpr int HauteurBande = 64;
    std::uint64_t Identite() const { return identite_; }  // distinct for every surface made
    std::uint64_t Version() const { return version_; }
    std::uint64_t VersionBande(int bande) const {
        return bande >= 0 && static_cast<size_t>(bande) < bandes_.size() ? bandes_[static_cast<size_t>(bande)] : version_;
    }
    // The last column, over rows haut to bas, that may hold a colour other than the background;
    // every column right of it does hold the background. -1 when those rows are all background.
    int DroiteEncre(int haut, int bas) const;
    int DroiteEncre(int y) const { return droites_[static_cast<size_t>(y)]; }  // 0 <= y < Hauteur()

private:
    QPainter& Peintre() const;
    void FinirPeinture() const;
    void PreparerPeintre(bool remplir) const;
    bool LigneRapide(int x1, int y1, int x2, int y2);
    // Rows y1 to y2 may change, none of them right of column `droite`.
    void Toucher(int y1, int y2, int droite = std::numeric_limits<int>::max());
    void ToucherTout();
    // The rows a pen stroke from (a, b) to (c, d), or a circle of radius r and its fill, may change,
    // each row's bound following the figure.
    void ToucherTrait(int a, int b, int c, int d);
    void ToucherDisque(int cx, int cy, int r);
    int DemiPlume() const;
    void Vierge(int depuis);  // rows from `depuis` on hold the background alone
    Trace Modele(Trace::Sorte sorte, bool remplir) const {
        return {sorte, static_cast<std::uint8_t>(styleTrait_), static_cast<std::uint8_t>(remplir ? styleRemplissage_ : 1),
                modeDessin_ == ModeInverse, largeurTrait_, couleurTrait_, couleurRemplissage_};
    }

    struct EtatPeintre {
        Couleur trait;
        int largeur, style;
        Couleur remplissage;
        int motif, mode;
        bool operator==(const EtatPeintre&) const = default;
    };

    mutable QImage image_;
    int largeur_ = 0, hauteur_ = 0;  // the picture's size, kept with it
    mutable std::unique_ptr<QPainter> peintre_;
    mutable EtatPeintre etatPeintre_{};
    mutable bool peintrePret_ = false;
    Couleur couleurTrait_ = 0;
    Couleur couleurRemplissage_ = 0;
    Couleur couleurFond_ = 0xFFFFFF;
    int styleRemplissage_ = 1;
    int largeurTrait_ = 1;
    int styleTrait_ = 0;
    int modeDessin_ = ModeCopie;
    double texteX_ = 0, texteY_ = 0;
    QFont police_;
    bool persistant_ = true;
    std::uint64_t identite_;
    std::uint64_t version_ = 1;
    std::vector<std::uint64_t> bandes_;
    std::vector<int> droites_;  // per row, the bound DroiteEncre reads
    ListeTraces traces_;
};
