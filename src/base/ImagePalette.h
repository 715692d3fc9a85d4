#pragma once
// Pictures of few colours with their colours in a table: an image writer then compresses a byte or
// a bit a pixel instead of four, and the file reads back to the same pixels.

#include <QImage>

// An opaque RGB32 picture of at most 256 colours as a palette picture: 1 bit a pixel (Format_Mono)
// for one or two colours, 8 bits (Format_Indexed8) for more. A null picture for any other.
QImage ImageEnPalette(const QImage& image);
