#pragma once

struct Contexte;

// Spacing applied when the script changes between two glyphs (may move PosX).
void ChangementEcriture(Contexte& ctx);
