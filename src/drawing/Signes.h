#pragma once
// Punctuation and special signs: a sign word holds "!" and a code letter ("!P" a full stop, "!Q" a
// double quote, ...). The sign's path comes from TableSignes; its first character is the advance
// digit of the sign.

#include <QStringView>

struct Contexte;

// Draws the sign of MotSigne after the text of the line (or, for "!M" and "!A", against the
// previous glyph), sets CodeSigne and AvanceGlyphe, the gap to leave after the sign.
void DessineSigne(Contexte& ctx);

// The room a sign word takes after the text when drawn there: a word space and its advance.
// Nothing for the stress signs "!M" and "!A", which sit against a glyph.
double LargeurSigne(const Contexte& ctx, QStringView motSigne);
