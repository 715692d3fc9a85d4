#pragma once
// The ranges a size, a line spacing and the number of recallable pages are kept in, wherever they
// come from (the settings file, the inline markers, the size and line-height boxes).

constexpr int kTailleMini = 1, kTailleMaxi = 50;                // 600-pixel glyphs: larger sizes only break the layout
constexpr int kHauteurLigneMini = 1, kHauteurLigneMaxi = 1000;
constexpr int kPagesRappelablesMaxi = 30;                       // the page store holds 31 slots
constexpr int kBlancMaxi = 1000;                                // word space: × 50 is past any picture

// Clamped as a number first, so that no value read overflows an int.
inline int Borne(double v, int mini, int maxi) {
    return v >= mini ? (v <= maxi ? static_cast<int>(v) : maxi) : mini;  // NaN gives the minimum
}
inline int BorneTaille(double v) { return Borne(v, kTailleMini, kTailleMaxi); }
inline int BorneHauteurLigne(double v) { return Borne(v, kHauteurLigneMini, kHauteurLigneMaxi); }
inline int BornePagesRappelables(double v) { return Borne(v, 0, kPagesRappelablesMaxi); }
inline int BorneBlanc(double v) { return Borne(v, -kBlancMaxi, kBlancMaxi); }
