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
#include "base/SuiviEncre.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <memory>

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
    // Effacer filling only what the ink tracker says was drawn on: each row up to its last column
    // drawn. For a picture drawn on this background since the last clearing.
    void EffacerEncre();
    // Fills each row of `image` from its start to its bound `droites[y]` (none when negative) with
    // `fond`: a picture drawn on that background since those bounds were zero is then clear again.
    static void EffacerJusquAuxDroites(QImage& image, const std::vector<int>& droites, QRgb fond);
    // Effacer without filling: `feuille`, a picture of the same size already of the background
    // colour all over, takes the place of the picture, which is given back with what was drawn
    // (moved into `traces` when given). A sheet of another size or format is filled here instead.
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
    // file whole when the save fails (`raison` then says why).
    bool Enregistrer(const QString& fichier, QString* raison = nullptr) const;
    void Coller(const QImage& image, double x, double y);
    void RemplacerImage(const QImage& image);  // takes the picture whole, size included
    // A copy of the picture of its own: drawing on goes on without touching it.
    QImage Image() const;
    // The picture itself, to read in place (show, scan, code); copy it with Image() to keep it.
    const QImage& Vue() const { return image_; }

    // What was drawn, kept in step with the pixels (see ListeTraces).
    const ListeTraces& Traces() const { return traces_; }
    ListeTraces& Traces() { return traces_; }

    // Where the drawing may have left ink, and which bands of rows changed since a copy.
    const SuiviEncre& Encre() const { return encre_; }

private:
    QPainter& Peintre() const;
    void FinirPeinture() const;
    void PreparerPeintre(bool remplir) const;
    bool LigneRapide(int x1, int y1, int x2, int y2);
    // How far from its path the pen may reach.
    int DemiPlume() const;
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
    SuiviEncre encre_;
    ListeTraces traces_;
};
