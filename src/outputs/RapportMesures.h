#pragma once
// The glyph measurement report "Donnees.TXT": every elementary syllable of the Velmor script drawn
// after a reference glyph on a clean sheet and measured from the surface's pixels, one block of
// lines per syllable, for the designer who tunes the glyph tables. The user's picture and the
// whole program state are given back afterwards.

#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>

struct Contexte;

// The five built-in lists of syllables, in order (97 syllables).
QStringList SyllabesRapport();

// One syllable's measures, in whole pixels, within the character cell YLigne - HauteurCaractere
// .. YLigne, from the glyph's leftmost ink column. Probes in order: the rows HX (top + MargeSonde),
// CX (middle) and BX (bottom - MargeSonde) that the line scanners read, and the column probes HXv
// (every row of the upper half) and BXv (the lower half). -1: no ink on that probe.
struct MesuresGlyphe {
    enum { HX, HXv, CX, BXv, BX };
    int droite[5] = {-1, -1, -1, -1, -1};  // width from the left edge to the last ink
    int gauche[5] = {-1, -1, -1, -1, -1};  // indent of the first ink from the left edge
    int centreX = -1;                       // centre of gravity: right of the left edge
    int centreY = -1;                       // and above YLigne
    int type = 0;                           // vowel form of the glyph drawn (LaTyp)
    int largeurType = 0;                    // the table's width of that glyph
    int Tout() const;                       // width of all the ink in the cell
    int Beta() const;                       // width the three scanner rows see
};

// The block of the report for one syllable: right-side line, left-side line, summary, " ".
QStringList LignesMesures(const QString& syllabe, const MesuresGlyphe& m);

// The report, as the currency key starts it. RapportMesuresFeuilles also hands each sheet drawn to
// `feuille` and answers whether "Donnees.TXT" was written (whole, or left as it was: `raison` then
// says why); the key shows that reason in a message.
void RapportMesures(Contexte& ctx);
bool RapportMesuresFeuilles(Contexte& ctx, const std::function<void(const QImage&)>& feuille, QString* raison = nullptr);
