#pragma once
// One-pixel lines as vectors that give back the surface's pixels. The surface sets such a line
// with its own integer walk (BalayerLigne); a painter rasterising a vector stroke walks its own way
// (ends in 1/64 of a pixel, a 16.16 fixed-point slope, the cross coordinate sampled at pixel
// centres). Each line goes out as the segment between the centres of its end pixels, moved across
// its run by the least number of 1/64 pixels that makes the painter's walk set the very same
// pixels; where no move does, as its two halves (sharing their middle pixel), and so on.

#include <QLineF>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

// The segments to stroke one pixel wide with square caps for the line (x1, y1)-(x2, y2) of a
// solid one-pixel pen on a picture of `taille`. A line with an end outside the picture was set by
// the painter itself from those ends: it goes out as it is.
std::vector<QLineF> SegmentsTraitFin(int x1, int y1, int x2, int y2, QSize taille);

// The pixels an aliased painter sets for a one-pixel stroke with square caps from (x1, y1) to
// (x2, y2), in 1/64 of a pixel, sorted.
std::vector<QPoint> PixelsPeintre(long long x1, long long y1, long long x2, long long y2);
