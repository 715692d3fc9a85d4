#pragma once
// Fixed positions of the table entries: digits read as character code - 48, and the "°" that marks
// a part a glyph does not have.

#include <QString>

struct Contexte;
struct Tables;

// The character at 1-based `position` read as code - 48; 0 beyond the end of the entry.
int ChiffreEntree(const QString& entree, int position);

// True when the character at 1-based `position` is "°".
bool SansPartie(const QString& entree, int position);

// The glyph entry of a letter (its character code) and form; empty outside the table.
const QString& EntreeGlyphe(const Tables& tables, int codeLettre, int forme, int couche = 0);

// Taille × the attachment digit (position 5) of the last glyph drawn (LettreComposee, FormeComposee).
double DecalageAttache(const Contexte& ctx);
