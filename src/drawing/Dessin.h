#pragma once
// The path-drawing language: one interpreter for every glyph, digit, sign and mark.

#include "base/EtatProgramme.h"

#include <QString>

struct Contexte;

// Draws the path from the 1-based position `premier` at (x, y), scaled by Taille, in `couleur` or,
// with multicolour text on, in the colour of the table cell that the last character of `code`
// names ("0" to ":"); a code that names no cell keeps `couleur`. x and y are the pen while a
// pass runs and are put back at the end of every pass. On a faulty path the system's message is
// shown, the strokes drawn stay and x, y are left where the pen was; the result is then false.
bool Dessin(Contexte& ctx, const QString& chemin, double& x, double& y, int premier, Couleur couleur,
            const QString& code);

// Erases the pending one-pixel marks (the last "B" dot and the composer's cursor dot).
void EffacePoints(Contexte& ctx);
