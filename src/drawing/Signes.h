#pragma once
// Punctuation and special signs: a sign word holds "!" and a code letter ("!P" a full stop, "!Q" a
// double quote, ...). The sign's path comes from TableSignes; its first character is the advance
// digit of the sign.

struct Contexte;

// Draws the sign of MotSigne after the text of the line (or, for "!M" and "!A", against the
// previous glyph), sets CodeSigne and AvanceGlyphe, the gap to leave after the sign.
void DessineSigne(Contexte& ctx);
