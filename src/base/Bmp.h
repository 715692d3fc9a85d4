#pragma once
#include <QImage>
#include <QString>

// Writes a 24-bit BMP with zeroed row padding, so the same picture always gives the same bytes.
bool EcrireBmp(const QImage& image, const QString& fichier);
