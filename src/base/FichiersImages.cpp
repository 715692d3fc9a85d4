#include "base/FichiersImages.h"

#include "base/EcritureSure.h"
#include "base/ImagePalette.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QtEndian>
#include <cstdlib>

namespace {
template <typename T>
void Ajouter(QByteArray& b, T v) {
    v = qToLittleEndian(v);
    b.append(reinterpret_cast<const char*>(&v), sizeof v);
}
}  // namespace

namespace {

template <typename T>
T Lu(const QByteArray& b, int position) {
    return qFromLittleEndian<T>(b.constData() + position);
}

// False for a BMP whose uncompressed pixels, as its header places and sizes them, run past the end
// of the file: the reader would fill the missing rows with whatever it had.
bool BmpComplet(QIODevice& source) {
    if (source.isSequential()) return true;
    const QByteArray entete = source.peek(34);
    if (entete.size() < 26 || !entete.startsWith("BM")) return true;
    const quint32 debut = Lu<quint32>(entete, 10), tailleEntete = Lu<quint32>(entete, 14);
    qint64 largeur, hauteur;
    quint32 profondeur, compression = 0;
    if (tailleEntete == 12) {
        largeur = Lu<quint16>(entete, 18);
        hauteur = Lu<quint16>(entete, 20);
        profondeur = Lu<quint16>(entete, 24);
    } else {
        if (entete.size() < 34) return true;
        largeur = Lu<qint32>(entete, 18);
        hauteur = Lu<qint32>(entete, 22);
        profondeur = Lu<quint16>(entete, 28);
        compression = Lu<quint32>(entete, 30);
    }
    if (compression != 0 && compression != 3) return true;  // run-length data: its reader checks
    if (std::abs(largeur) > 32767 || std::abs(hauteur) > 32767) return true;  // refused for its size
    const qint64 ligne = (std::abs(largeur) * profondeur + 31) / 32 * 4;
    return static_cast<qint64>(debut) + ligne * std::abs(hauteur) <= source.size();
}

}  // namespace

QImage LireImage(QIODevice& source, const QByteArray& format) {
    if (!source.isOpen() && !source.open(QIODevice::ReadOnly)) return {};
    if (!BmpComplet(source)) return {};
    QImageReader lecteur(&source, format);
    lecteur.setDecideFormatFromContent(format.isEmpty());
    const QSize taille = lecteur.size();
    if (!taille.isValid() || taille.width() > 32767 || taille.height() > 32767) return {};
    QImage lue;
    if (!lecteur.read(&lue)) return {};
    return lue;
}

QImage LireImage(const QString& fichier, const QByteArray& format) {
    QFile f(fichier);
    return LireImage(f, format);
}

QByteArray OctetsBmp(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int w = image.width(), h = image.height();
    const quint32 pas = (static_cast<quint32>(w) * 3 + 3) & ~3u;
    const quint32 taillePixels = pas * static_cast<quint32>(h);
    QByteArray b;
    b.reserve(static_cast<qsizetype>(54 + taillePixels));
    b.append("BM", 2);
    Ajouter<quint32>(b, 54 + taillePixels);
    Ajouter<quint32>(b, 0);
    Ajouter<quint32>(b, 54);
    Ajouter<quint32>(b, 40);
    Ajouter<qint32>(b, w);
    Ajouter<qint32>(b, h);
    Ajouter<quint16>(b, 1);
    Ajouter<quint16>(b, 24);
    Ajouter<quint32>(b, 0);
    Ajouter<quint32>(b, taillePixels);
    Ajouter<qint32>(b, 3780);  // 96 dpi
    Ajouter<qint32>(b, 3780);
    Ajouter<quint32>(b, 0);
    Ajouter<quint32>(b, 0);
    QByteArray ligne(static_cast<qsizetype>(pas), '\0');
    for (int y = h - 1; y >= 0; --y) {
        const QRgb* px = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        char* d = ligne.data();
        for (int x = 0; x < w; ++x) {
            *d++ = static_cast<char>(qBlue(px[x]));
            *d++ = static_cast<char>(qGreen(px[x]));
            *d++ = static_cast<char>(qRed(px[x]));
        }
        b.append(ligne);
    }
    return b;
}

bool EcrireBmp(const QImage& image, const QString& fichier, QString* raison) {
    return EcrireFichierSur(fichier, OctetsBmp(image), raison);
}

namespace {
constexpr int kQualitePalette = 80;  // zlib's level 1
}  // namespace

QByteArray OctetsImage(const QImage& image, const QByteArray& format) {
    if (format == "bmp") return OctetsBmp(image);
    if (!QImageWriter::supportedImageFormats().contains(format)) return {};
    // A PNG of few colours is written with a palette and a fast compression level: the same pixels,
    // coded ten times faster, in a file hardly larger.
    const QImage palette = format == "png" ? ImageEnPalette(image) : QImage();
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    const bool ecrit = palette.isNull() ? image.save(&tampon, format.constData())
                                        : palette.save(&tampon, "png", kQualitePalette);
    return ecrit ? octets : QByteArray();
}

bool EnregistrerImage(const QImage& image, const QString& fichier, QString* raison) {
    QByteArray format = QFileInfo(fichier).suffix().toLower().toLatin1();
    if (format.isEmpty()) format = "bmp";
    const QByteArray octets = OctetsImage(image, format);
    if (octets.isEmpty()) {
        if (raison) *raison = fichier + QStringLiteral(": no picture format \"") + QString::fromLatin1(format) + u'"';
        return false;
    }
    return EcrireFichierSur(fichier, octets, raison);
}
