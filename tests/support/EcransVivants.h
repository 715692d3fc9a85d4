#pragma once
// The screens of a live text, and two lists of screens compared screen by screen.

#include "app/TexteVivant.h"

#include <QImage>
#include <QList>
#include <gtest/gtest.h>

inline QList<QImage> EcransDe(const TexteVivant& rendu) {
    QList<QImage> r;
    for (int n = 1; n <= rendu.Ecrans(); ++n) r << rendu.Ecran(n).convertToFormat(QImage::Format_RGB32);
    return r;
}

inline void MemesEcrans(const QList<QImage>& a, const QList<QImage>& b) {
    ASSERT_EQ(a.size(), b.size());
    for (qsizetype i = 0; i < a.size(); ++i)
        EXPECT_TRUE(a[i].convertToFormat(QImage::Format_RGB32) == b[i].convertToFormat(QImage::Format_RGB32)) << "screen " << i + 1;
}
