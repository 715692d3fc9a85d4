#pragma once
// Fixed positions of the table entries: digits read as character code - 48, and the "°" that marks
// a part a glyph does not have.

#include "base/Texte8Bits.h"
#include "config/Tables.h"

#include <QString>

struct Contexte;

// The character at 1-based `position` read as code - 48; 0 beyond the end of the entry.
inline int ChiffreEntree(const QString& entree, int position) {
    if (position < 1 || position > entree.size()) return 0;
    const QChar c = entree[position - 1];
    return (c.unicode() < 0x80 ? c.unicode() : Code1252(c)) - 48;
}

// True when the character at 1-based `position` is "°".
inline bool SansPartie(const QString& entree, int position) {
    return position >= 1 && position <= entree.size() && entree[position - 1] == u'°';
}

// The glyph entry of a letter (its character code) and form; empty outside the table.
inline const QString& EntreeGlyphe(const Tables& tables, int codeLettre, int forme, int couche = 0) {
    static const QString vide;
    const int lettre = codeLettre - 97;
    if (lettre < 0 || lettre >= Tables::NbLettres || forme < 0 || forme >= Tables::NbFormes || couche < 0 ||
        couche >= Tables::NbCouches)
        return vide;
    return tables.TableGlyphes[lettre][forme][couche];
}

// Taille × the attachment digit (position 5) of the last glyph drawn (LettreComposee, FormeComposee).
double DecalageAttache(const Contexte& ctx);
