#pragma once
// The glyph composer: finishes the last glyph of a Velmor or Dorvane word with the stems that join
// its body to its marks, wherever the pixels already drawn leave a gap.

struct Contexte;

// `codeLettre`: character code of the glyph's letter; `forme`: its vowel form 0 to 9.
void ComposeGlyphe(Contexte& ctx, int codeLettre, int forme);
