#include "base/FichiersImages.h"
#include "base/ImagePalette.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

namespace {

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
