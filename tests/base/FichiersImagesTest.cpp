// Picture files: damaged ones refused whole, PNGs written with a palette and read back exact.
#include "support/Fichiers.h"
#include "base/FichiersImages.h"
#include "base/ImagePalette.h"
#include "base/Surface.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>
#include <random>

namespace {

// A valid 24-bit BMP of 6 × 4 pixels, then one field of its header rewritten.
QByteArray Bmp() {
    QImage image(6, 4, QImage::Format_RGB32);
    image.fill(qRgb(10, 20, 30));
    return OctetsBmp(image);
}
template <typename T>
QByteArray Champ(QByteArray b, int position, T valeur) {
    valeur = qToLittleEndian(valeur);
    b.replace(position, sizeof valeur, QByteArray(reinterpret_cast<const char*>(&valeur), sizeof valeur));
    return b;
}

quint32 Crc32(const QByteArray& octets) {
    quint32 crc = 0xFFFFFFFFu;
    for (const char o : octets) {
        crc ^= static_cast<quint8>(o);
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A PNG whose header chunk claims the given size, with a correct checksum and no pixel data.
QByteArray EntetePng(quint32 largeur, quint32 hauteur) {
    QByteArray ihdr("IHDR");
    quint32 l = qToBigEndian(largeur), h = qToBigEndian(hauteur);
    ihdr.append(reinterpret_cast<const char*>(&l), 4).append(reinterpret_cast<const char*>(&h), 4);
    ihdr.append("\x08\x02\x00\x00\x00", 5);
    const quint32 crc = qToBigEndian(Crc32(ihdr));
    quint32 longueur = qToBigEndian(13u);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(reinterpret_cast<const char*>(&longueur), 4) + ihdr +
           QByteArray(reinterpret_cast<const char*>(&crc), 4);
}

TEST(ImagesHostiles, DamagedPicturesAreRefusedAndTheSurfaceKeepsItsDrawing) {
    const QByteArray bon = Bmp();
    const struct {
        const char* nom;
        QByteArray octets;
    } cas[] = {
        {"zero length", {}},
        {"header only", bon.left(54)},
        {"cut in the pixels", bon.left(bon.size() - 20)},
        {"cut in the header", bon.left(30)},
        {"huge width", Champ<qint32>(bon, 18, 100000)},
        {"huge height", Champ<qint32>(bon, 22, 100000)},
        {"huge top-down height", Champ<qint32>(bon, 22, -100000)},
        {"most negative height", Champ<qint32>(bon, 22, INT32_MIN)},
        {"30000 a side", Champ<qint32>(Champ<qint32>(bon, 18, 30000), 22, 30000)},
        {"every size at its largest", Champ<quint16>(Champ<qint32>(Champ<qint32>(bon, 18, INT32_MAX), 22, INT32_MAX), 28, 0xFFFF)},
        {"depth 0", Champ<quint16>(bon, 28, 0)},
        {"depth 7", Champ<quint16>(bon, 28, 7)},
        {"depth 64", Champ<quint16>(bon, 28, 64)},
        {"pixels past the end", Champ<quint32>(bon, 10, 0x7FFFFFF0)},
        {"header size 0", Champ<quint32>(bon, 14, 0)},
        {"PNG of 100000 a side", EntetePng(100000, 100000)},
        {"PNG cut after its header", EntetePng(6, 4)},
    };
    QTemporaryDir dir;
    for (const auto& c : cas) {
        const QString chemin = dir.filePath("image.bmp");
        ASSERT_TRUE(EcrireFichier(chemin, c.octets));
        Surface s(10, 8);
        s.Ligne(0, 0, 9, 7);
        const QImage avant = s.Image();
        EXPECT_FALSE(s.ChargerBmp(chemin)) << c.nom;
        EXPECT_EQ(s.Image(), avant) << c.nom;
        EXPECT_TRUE(LireImage(chemin).isNull()) << c.nom;  // by content, as the open command reads
        QBuffer tampon;
        tampon.setData(c.octets);
        EXPECT_TRUE(LireImage(tampon).isNull()) << c.nom;
    }
    Surface s(10, 8);
    EXPECT_FALSE(s.ChargerBmp(dir.filePath("absent.bmp")));
    EXPECT_EQ(s.Largeur(), 10);
    // The undamaged picture reads by either route.
    QBuffer tampon;
    tampon.setData(bon);
    EXPECT_EQ(LireImage(tampon).size(), QSize(6, 4));
}

// PNGs are written with a palette up to 256 colours, and every picture reads back to its pixels.
TEST(ImagePalette, PngReadsBackToTheSamePixelsWhateverTheColourCount) {
    QTemporaryDir dir;
    std::mt19937 alea(3);
    for (const int couleurs : {1, 2, 3, 256, 257}) {
        QImage image(37, 23, QImage::Format_RGB32);  // rows that do not end on a whole byte of bits
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const int k = (x + y * image.width()) % couleurs;  // every colour present
                image.setPixel(x, y, qRgb(k & 0xFF, k >> 8 ? 0x80 : 0x10, (k * 7) & 0xFF));
            }
        image.setPixel(5, 5, image.pixel(static_cast<int>(alea() % 37), static_cast<int>(alea() % 23)));
        const QImage palette = ImageEnPalette(image);
        const QImage::Format attendu = couleurs <= 2 ? QImage::Format_Mono
                                     : couleurs <= 256 ? QImage::Format_Indexed8
                                                       : QImage::Format_Invalid;
        EXPECT_EQ(palette.format(), attendu) << couleurs << " colours";
        const QString fichier = dir.filePath(QStringLiteral("%1.png").arg(couleurs));
        ASSERT_TRUE(EnregistrerImage(image, fichier));
        EXPECT_EQ(LireImage(fichier).convertToFormat(QImage::Format_RGB32), image) << couleurs << " colours";
    }
}

}  // namespace
