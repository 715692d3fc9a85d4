#pragma once
// Golden files in tests/data: compared as they stand, rewritten when VELMOR_REGENERER=1.

#include <QFile>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <string>
#include <gtest/gtest.h>

inline bool RegenererGolden() { return qEnvironmentVariable("VELMOR_REGENERER") == u"1"; }

// Compares a picture with tests/data/<nom>.png pixel for pixel, but for the band `libre` (text
// drawn with an installed font, which the caller checks otherwise). On a difference the picture made
// is saved beside it as <nom>.actuel.png for review (removed again once they agree).
inline void ComparerImageGolden(const QImage& image, const QString& nom, const QRect& libre = {}) {
    const QString base = QStringLiteral(VELMOR_TEST_DATA "/") + nom;
    const QString chemin = base + QStringLiteral(".png"), actuel = base + QStringLiteral(".actuel.png");
    if (RegenererGolden()) {
        ASSERT_TRUE(image.save(chemin)) << chemin.toStdString();
        QFile::remove(actuel);
        return;
    }
    const QImage attendue(chemin);
    ASSERT_FALSE(attendue.isNull()) << "missing golden " << chemin.toStdString() << " (VELMOR_REGENERER=1 writes it)";
    const QImage a = image.convertToFormat(QImage::Format_RGB32), b = attendue.convertToFormat(QImage::Format_RGB32);
    int differents = 0;
    QPoint premier(-1, -1);
    if (a.size() == b.size())
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                if (a.pixel(x, y) != b.pixel(x, y) && !libre.contains(x, y) && differents++ == 0) premier = {x, y};
    if (a.size() == b.size() && differents == 0) {
        QFile::remove(actuel);
        return;
    }
    const bool garde = image.save(actuel);
    const std::string revue = garde ? "; the picture made is " + actuel.toStdString() : "; the picture made could not be saved";
    ASSERT_EQ(a.size(), b.size()) << nom.toStdString() << revue;
    EXPECT_EQ(differents, 0) << nom.toStdString() << ": pixels differ from the golden picture, the first at (" << premier.x()
                             << ", " << premier.y() << ")" << revue;
}
