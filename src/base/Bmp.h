#pragma once
#include <QImage>
#include <QString>

// A 24-bit BMP with zeroed row padding, so the same picture always gives the same bytes.
QByteArray OctetsBmp(const QImage& image);

// Writes the picture as that BMP, straight into the file.
bool EcrireBmp(const QImage& image, const QString& fichier);

// Saves a picture by the file's extension: BMP for ".bmp" or no extension, otherwise the image
// format of the extension (".png", ...). The previous file stays whole when the save fails.
bool EnregistrerImage(const QImage& image, const QString& fichier);
