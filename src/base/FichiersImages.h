#pragma once
#include <QImage>
#include <QString>

class QIODevice;

// A 24-bit BMP with zeroed row padding, so the same picture always gives the same bytes.
QByteArray OctetsBmp(const QImage& image);

// Writes the picture as that BMP, whole or not at all (EcrireFichierSur).
bool EcrireBmp(const QImage& image, const QString& fichier, QString* raison = nullptr);

// The bytes of a picture file in `format` ("bmp", "png", ...; a PNG has a palette when the picture
// has 256 colours or fewer); empty for a format the program cannot write.
QByteArray OctetsImage(const QImage& image, const QByteArray& format);

// Saves a picture by the file's extension: BMP for ".bmp" or no extension, otherwise the image
// format of the extension. The previous file stays whole when the save fails; `raison` then says why.
bool EnregistrerImage(const QImage& image, const QString& fichier, QString* raison = nullptr);

// Reads a picture, in `format` or, without one, in the format its content shows. A null picture
// when it cannot be read or is larger than 32767 pixels a side.
QImage LireImage(QIODevice& source, const QByteArray& format = {});
QImage LireImage(const QString& fichier, const QByteArray& format = {});
