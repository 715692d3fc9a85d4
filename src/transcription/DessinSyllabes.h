#pragma once
// The syllable drawer: writes one word of the Velmor or Dorvane script, glyph by glyph.
//
// How a syllable finds its glyph (letter K, form V, layer L of TableGlyphes):
//   vowel group           "a" [a][1], "ah" [a][2], "ae" [a][3], "aeh" [a][4], "ai" [a][5],
//                         "ao" [a][6], "au" [a][7], "ay" [a][8], "aa" [a][9]; "yyh" is [y][9]
//   consonant + vowel     "b" [b][1], "bh" [b][2], "be" [b][3], "beh" [b][4], "bi" [b][5],
//                         "bo" [b][6], "bu" [b][7], "by" [b][8], "ba" [b][9]
//   modified consonant    "bh" + vowel: layer 2 of the form ("bha" [b][9][2]); "bk" + vowel:
//                         layer 3 ("bka" [b][9][3]); a bare "bk" is [b][1][3]
//   consonant + group     a consonant followed by a vowel group that has no form of its own
//                         ("bai", "leo") is drawn as the bare consonant and then the group
//   capital consonant     heads a stack: "B" [b][1], "Bh" [b][2], "Bk" [b][1][3], "Ba" [b][9];
//                         the bare consonants after it in the word hang below it as its components
// Layer 0 (or 2, 3) holds the metrics and the first path, drawn from its second character; layer 1
// of the same form holds the second path (vowel marks), replaced by a joining line where one applies.

#include <QStringList>
#include <span>

struct Contexte;

// Draws the syllables of the current word at the cursor; returns how many glyphs were drawn.
int DessinerSyllabes(Contexte& ctx, const QStringList& syllabes);
// The same on views of the syllables, which must outlive the call.
int DessinerSyllabes(Contexte& ctx, std::span<const QStringView> syllabes);

// The syllables as the drawer takes them: each consonant followed by a vowel group that has no form
// of its own is split into the bare consonant and the group.
QStringList DecomposerSyllabes(const QStringList& syllabes);

// The room the glyphs of a word take when drawn from the cursor: for each glyph a word space and
// its width, or the reach of its right mark when that is further. Stack components hang under
// their capital and take none.
double LargeurSyllabes(const Contexte& ctx, std::span<const QStringView> syllabes);
