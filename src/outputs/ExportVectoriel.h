#pragma once
// The drawing written out as vectors: SVG (one picture) and PDF (one page per picture), from the
// list of what was drawn on the surface. Strokes keep the coordinates the surface drew them at, so
// that the SVG rasterised at 1:1 without antialiasing covers the pixels of the bitmap. A figure
// left inverted, or cut by a shrinking of the picture, goes out as the pixels it left.

#include "base/ListeTraces.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <vector>

class Surface;

struct FeuilleVectorielle {
    QImage image;  // the pixels, for what cannot go out as vectors
    ListeTraces traces;
    Couleur fond = 0xFFFFFF;
};

FeuilleVectorielle FeuilleDe(const Surface& surface);

QByteArray DocumentSvg(const FeuilleVectorielle& feuille);
// Written whole or not at all; false when the file cannot be written.
bool EnregistrerSvg(const QString& fichier, const FeuilleVectorielle& feuille);
bool EnregistrerPdf(const QString& fichier, const std::vector<FeuilleVectorielle>& feuilles);
