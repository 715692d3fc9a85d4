#pragma once
// The line scanners: where the written text of the current line ends, read from the surface's
// pixels, and the word spacing built on them.

#include <QImage>
#include <initializer_list>

struct Contexte;
class Surface;

// The band of rows a scan looks at, relative to the current line:
//   Ligne    YLigne - LargeurBlanc .. YLigne + LargeurBlanc (PosX left of the margin: no scan)
//   Pleine   YLigne - HauteurCaractere - LargeurBlanc .. YLigne + LargeurBlanc
//   Cellule  YLigne - HauteurCaractere .. YLigne; also puts PosX and XDebutMot at the column found
enum class Bande { Ligne, Pleine, Cellule };

// Sets XFinGlyphe to the last column, from PosX + 30 × Taille leftwards, where the band holds a
// pixel that is not the background of pixel (0, 0); MargeGauche when there is none.
void ScanFinTexte(Contexte& ctx, Bande bande);

// One word-space pair beyond the text: PosX := XFinGlyphe + 2 × LargeurBlanc; XDebutMot := PosX.
void EspaceMot(Contexte& ctx);

// --- Scan primitives, reading the picture's scan lines directly ------------------------------

// The nearest whole pixel of a coordinate, as the surface rounds it (halves upwards); far values
// are held at +-100000000.
inline int PixelProche(double v) {
    if (!(v > -1e8)) return -100000000;
    if (v > 1e8) return 100000000;
    const double a = v + 0.5;
    const int i = static_cast<int>(a);  // towards zero
    return a < i ? i - 1 : i;
}

// The last column x in [xMin, x0] where one of the rows haut..bas holds a pixel that differs from
// `fond` (0x00BBGGRR), or -1. Rows and columns outside the picture hold no text.
int ColonneEncree(const QImage& image, int x0, int haut, int bas, unsigned fond, int xMin = 0);
// The same over a few single rows (at most eight).
int ColonneEncree(const QImage& image, int x0, std::initializer_list<int> lignes, unsigned fond, int xMin = 0);

// The same on a surface, leaving out the rows and columns it knows hold its background alone.
int ColonneEncreeConnue(const Surface& surface, int x0, int haut, int bas, unsigned fond);
int ColonneEncreeConnue(const Surface& surface, int x0, std::initializer_list<int> lignes, unsigned fond);

// True when the pixel (x, y) is inside the picture and differs from `fond`.
bool Encre(const QImage& image, int x, int y, unsigned fond);

// Samples CouleurFond from pixel (0, 0) of the surface, as every scan does first.
unsigned EchantillonneFond(Contexte& ctx);
