#pragma once

struct Contexte;

// Sets the context's hooks that the transcriber calls: IPA words, the pronunciation batch and the
// glyph measurement report.
void BrancherSorties(Contexte& ctx);
