#pragma once
// The pixels of a one-pixel line as the surface sets them: an integer walk from the first end to
// the second, both ends included, stepping across when the error term says so.

#include <cstdlib>

template <typename F>
void BalayerLigne(int x1, int y1, int x2, int y2, F&& pixel) {
    const int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    const int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        pixel(x1, y1);
        if (x1 == x2 && y1 == y2) break;
        const int e2 = 2 * err;
        if (e2 >= dy) { err += dy; x1 += sx; }
        if (e2 <= dx) { err += dx; y1 += sy; }
    }
}
