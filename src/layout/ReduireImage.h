#pragma once
// Shrinking the surface to its drawing.

#include <QImage>
#include <QSize>

struct Contexte;
class Surface;

// The blank kept to the right of and below the drawing.
constexpr int kMargeReduite = 15;

// The size that keeps every pixel differing from `fond` plus `marge` pixels to the right and below,
// within the picture; the picture's own size when nothing is drawn.
QSize TailleReduite(const Surface& surface, unsigned fond, int marge);
// The same for an RGB32 picture.
QSize TailleReduite(const QImage& image, unsigned fond, int marge);

// Announces the shrink, shrinks the surface to its drawing and reports the new size.
QSize ReduireImage(Contexte& ctx);
