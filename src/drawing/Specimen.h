#pragma once
// The specimen sheet of the glyph tables: every (letter, form) glyph as the syllable drawer puts it
// together, labelled with its syllable, then the clusters, digits, signs and marks, in panels by
// size, script and relief.

#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

struct Contexte;

// One row of the sheet: a letter and the layer of its bodies (0, or 2 and 3 for a consonant's "h"
// and "k" partners). The vowels come first, then each consonant with its partners, then the stress
// mark and the syllable divider.
struct RangeeSpecimen {
    char lettre;
    int couche;
};
std::vector<RangeeSpecimen> RangeesSpecimen();

// The syllable an entry stands for: "b", "bh", "bk" + "", "h", "e", "eh", "i", "o", "u", "y", "a".
QString SyllabeDeForme(char lettre, int forme, int couche = 0);

// Draws the glyph of `lettre`, `forme` (its body from layer `couche`) with its left and right marks
// and its second path, the pen at (x, ligne) where `ligne` is the baseline. Returns false when the
// table has no such glyph.
bool DessinerGlypheTable(Contexte& ctx, char lettre, int forme, int couche, double x, double ligne);

struct PanneauSpecimen {
    int taille = 1;
    int ecriture = 0;  // 0 Velmor, 1 Dorvane
    bool relief = false;
};

// The whole sheet, on a picture of its own; the tables of ctx are used, its surface is not.
QImage Specimen(Contexte& ctx, const std::vector<PanneauSpecimen>& panneaux);

// Groups of entries whose glyphs draw the same pixels (Velmor, size 1, no relief), each group as its
// syllables joined by " = ". `nombre` receives the count of glyph entries.
QStringList GlyphesIdentiques(Contexte& ctx, int* nombre = nullptr);
