#include "support/ImpressionQt.h"
#include "support/Sortie.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The path itself is Dessin's (tested there): the command saves it where it was asked, size and
// colour applied, or says why it cannot.
TEST(CommandeChemin, SavesThePathDrawnAtItsPlaceOrSaysWhyNot) {
    QTemporaryDir dir;
    const QString f = dir.filePath("square.bmp");
    Sortie s;
    ASSERT_EQ(s.Lancer({"chemin", "R1U1", "--taille", "2", "--x", "100", "--y", "100", "--couleur", "0x0000FF", "-o", f}), 0);
    const QImage im(f);
    ASSERT_FALSE(im.isNull());
    int encre = 0;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x) encre += im.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_EQ(encre, 5);  // (100..102, 100) then (102, 99..98)
    EXPECT_EQ(std::tuple(im.pixel(102, 98), s.err), std::tuple(qRgb(255, 0, 0), u""_s));
    // A faulty path, bad options, a folder that does not exist.
    Sortie e, u;
    EXPECT_EQ(e.Lancer({"chemin", "R2U", "-o", dir.filePath("x.png")}), 1);
    EXPECT_EQ(e.err.trimmed(), "Erreur dans ''Dessin$'' : R2U");
    EXPECT_EQ((std::tuple{u.Lancer({"chemin", "R2"}), u.Lancer({"chemin", "R2", "--taille", "zero", "-o", dir.filePath("x.png")}),
                          u.Lancer({"chemin", "R2", "-o", dir.filePath("absent/x.png")})}), std::tuple(2, 2, 1));
}

}  // namespace
