#pragma once
// Golden files in tests/data: compared as they stand, rewritten when VELMOR_REGENERER=1.

#include <QFile>
#include <QImage>
#include <QString>
#include <gtest/gtest.h>

inline bool RegenererGolden() { return qEnvironmentVariable("VELMOR_REGENERER") == u"1"; }

// Compares a picture with tests/data/<nom>.png pixel for pixel.
inline void ComparerImageGolden(const QImage& image, const QString& nom) {
    const QString chemin = QStringLiteral(VELMOR_TEST_DATA "/") + nom + QStringLiteral(".png");
    if (RegenererGolden()) {
        ASSERT_TRUE(image.save(chemin)) << chemin.toStdString();
        return;
    }
    const QImage attendue(chemin);
    ASSERT_FALSE(attendue.isNull()) << "missing golden " << chemin.toStdString() << " (VELMOR_REGENERER=1 writes it)";
    const QImage a = image.convertToFormat(QImage::Format_RGB32), b = attendue.convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(a.size(), b.size()) << nom.toStdString();
    int differents = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) differents += a.pixel(x, y) != b.pixel(x, y);
    EXPECT_EQ(differents, 0) << nom.toStdString() << ": pixels differ from the golden picture";
}

// Compares a text with tests/data/<nom>.txt.
inline void ComparerTexteGolden(const QString& texte, const QString& nom) {
    QFile f(QStringLiteral(VELMOR_TEST_DATA "/") + nom + QStringLiteral(".txt"));
    if (RegenererGolden()) {
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(texte.toUtf8());
        return;
    }
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << "missing golden " << f.fileName().toStdString();
    EXPECT_EQ(QString::fromUtf8(f.readAll()).toStdString(), texte.toStdString());
}
