#include "support/Sortie.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(CommandeChemin, DrawsExactlyTheSquare) {
    QTemporaryDir dir;
    const QString f = dir.filePath("square.bmp");
    Sortie s;
    ASSERT_EQ(s.Lancer({"chemin", "R2U2L2D2R1", "--x", "100", "--y", "100", "-o", f}), 0);
    QImage im(f);
    ASSERT_FALSE(im.isNull());
    std::vector<std::pair<int, int>> encre;
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x)
            if (im.pixel(x, y) != qRgb(255, 255, 255)) encre.emplace_back(x, y);
    const std::vector<std::pair<int, int>> attendu = {{100, 98}, {101, 98}, {102, 98}, {100, 99},
                                                      {102, 99}, {100, 100}, {101, 100}, {102, 100}};
    EXPECT_EQ(encre, attendu);
    EXPECT_TRUE(s.err.isEmpty());
}

TEST(CommandeChemin, FaultyPathAndBadOptions) {
    QTemporaryDir dir;
    Sortie s;
    EXPECT_EQ(s.Lancer({"chemin", "R2U", "-o", dir.filePath("x.png")}), 1);
    EXPECT_EQ(s.err.trimmed(), "Erreur dans ''Dessin$'' : R2U");
    Sortie u;
    EXPECT_EQ(u.Lancer({"chemin", "R2"}), 2);
    EXPECT_EQ(u.Lancer({"chemin", "R2", "--taille", "zero", "-o", dir.filePath("x.png")}), 2);
    EXPECT_EQ(u.Lancer({"chemin", "R2", "-o", dir.filePath("absent/x.png")}), 1);
    EXPECT_FALSE(EstSousCommande({"inconnue"}));
}

TEST(CommandeChemin, ReliefAndSizeScaleThePath) {
    QTemporaryDir dir;
    const QString f = dir.filePath("r.png");
    Sortie s;
    ASSERT_EQ(s.Lancer({"chemin", "R1", "--taille", "2", "--relief", "--x", "10", "--y", "10", "--couleur",
                        "0x0000FF", "-o", f}),
              0);
    QImage im(f);
    // Three stamps of a 2-pixel line, from (11, 9) down to (9, 11).
    EXPECT_EQ(im.pixel(11, 9), qRgb(255, 0, 0));
    EXPECT_EQ(im.pixel(13, 9), qRgb(255, 0, 0));
    EXPECT_EQ(im.pixel(9, 11), qRgb(255, 0, 0));
    EXPECT_EQ(im.pixel(10, 9), qRgb(255, 255, 255));
}

}  // namespace
