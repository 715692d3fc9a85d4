#pragma once
// Pictures the size of a screen, for the surface and the sheets that replace it. Their pixels are
// read and written a column at a time (glyph strokes, line scans), one row a page apart: on Linux
// they sit in 2 MB pages where the system grants them, which saves most address-translation misses
// and the page faults of a first fill.

#include <QImage>
#include <cstddef>

constexpr size_t kGrandePage = size_t{2} << 20;

// At least `octets`, 2 MB-aligned and rounded up to 2 MB, advised for large pages on Linux; null
// when refused. Given back with std::free.
void* BlocGrandesPages(size_t octets);

// An RGB32 picture of at least 1 x 1 pixels, not filled.
QImage NouvelleImage(int largeur, int hauteur);
