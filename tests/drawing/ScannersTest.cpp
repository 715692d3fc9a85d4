#include "drawing/Scanners.h"
#include "support/BancLigne.h"

#include <QImage>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace {

// An empty line gives the left margin in every band; otherwise each band sees its own rows.
TEST(ScanFinTexte, EmptyLineGivesTheMarginAndEachBandSeesItsOwnRows) {
    BancLigne b;
    for (Bande bande : {Bande::Ligne, Bande::Pleine, Bande::Cellule}) {
        ScanFinTexte(*b.ctx, bande);
        EXPECT_EQ(b.etat().XFinGlyphe, 15);
    }
    EXPECT_EQ(std::tuple(b.etat().PosX, b.etat().XDebutMot), std::tuple(15, 15));
    b.etat().PosX = 190;
    b.surface.Point(180, 80, 0);   // above the cell, inside the full band
    b.surface.Point(170, 105, 0);  // below the base line, inside the line band
    b.surface.Point(160, 95, 0);   // in the cell
    b.surface.Point(230, 95, 0);   // beyond PosX + 30
    ScanFinTexte(*b.ctx, Bande::Pleine);
    EXPECT_EQ(b.etat().XFinGlyphe, 180);
    ScanFinTexte(*b.ctx, Bande::Ligne);
    EXPECT_EQ(b.etat().XFinGlyphe, 170);
    ScanFinTexte(*b.ctx, Bande::Cellule);
    EXPECT_EQ(std::tuple(b.etat().XFinGlyphe, b.etat().PosX), std::tuple(160, 160));
}

TEST(EspaceMot, TwoWordSpacesAfterTheTextEnd) {
    BancLigne b;
    b.surface.Ligne(190, 90, 200, 100);  // a glyph ending at x = 200
    EspaceMot(*b.ctx);
    EXPECT_EQ(std::tuple(b.etat().XFinGlyphe, b.etat().PosX, b.etat().XDebutMot), std::tuple(200, 220, 220));
    BancLigne m;  // a cursor left of the margin, on an empty line
    m.etat().PosX = 5;
    EspaceMot(*m.ctx);
    EXPECT_EQ(std::tuple(m.etat().PosX, m.etat().XFinGlyphe), std::tuple(15, 15));
    // A scan near the picture's edges reads only the pixels inside it.
    Banc bord(60, 30);
    bord.etat().MargeGauche = 15, bord.etat().YLigne = 25, bord.etat().HauteurCaractere = 12;
    bord.etat().LargeurBlanc = 10, bord.etat().PosX = 50;
    bord.surface.Point(59, 28, 0);
    EspaceMot(*bord.ctx);
    EXPECT_EQ(bord.etat().XFinGlyphe, 59);
}

// The scans read blocks of columns at once: they must find what a pixel-by-pixel reading finds,
// wherever the ink, the block edges and the picture edges fall.
TEST(ColonneEncree, MatchesAPixelByPixelReading) {
    std::mt19937 alea(11);
    const unsigned fond = 0x00F0E0D0;  // 0x00BBGGRR
    for (int essai = 0; essai < 400; ++essai) {
        const int l = 1 + static_cast<int>(alea() % 70), h = 1 + static_cast<int>(alea() % 12);
        QImage image(l, h, QImage::Format_RGB32);
        image.fill(QColor(0xD0, 0xE0, 0xF0));
        for (int k = static_cast<int>(alea() % 4); k > 0; --k)
            image.setPixel(static_cast<int>(alea() % l), static_cast<int>(alea() % h), qRgb(0xD0, 0xE0, 0xF1));
        const auto encre = [&](int x, int y) {
            return x >= 0 && y >= 0 && x < l && y < h && image.pixel(x, y) != qRgb(0xD0, 0xE0, 0xF0);
        };
        const int x0 = static_cast<int>(alea() % (l + 20)) - 5, xMin = static_cast<int>(alea() % 30) - 5;
        const int haut = static_cast<int>(alea() % (h + 4)) - 2, bas = haut + static_cast<int>(alea() % 8);
        int attendu = -1;
        for (int x = std::min(x0, l - 1); x >= std::max(xMin, 0) && attendu < 0; --x)
            for (int y = haut; y <= bas; ++y)
                if (encre(x, y)) attendu = x;
        ASSERT_EQ(ColonneEncree(image, x0, haut, bas, fond, xMin), attendu) << essai;
        const int a = static_cast<int>(alea() % h), b2 = static_cast<int>(alea() % (h + 3)) - 1;
        attendu = -1;
        for (int x = std::min(x0, l - 1); x >= std::max(xMin, 0) && attendu < 0; --x)
            if (encre(x, a) || encre(x, b2)) attendu = x;
        ASSERT_EQ(ColonneEncree(image, x0, {a, b2}, fond, xMin), attendu) << essai;
    }
}

TEST(PixelProche, RoundsHalvesUpAndHoldsFarValues) {
    for (double v : {-3.5, -2.5, -0.5, -0.49, 0.0, 0.49, 0.5, 1.5, 2.4999, 7.0, -7.0, 123456.5})
        EXPECT_EQ(PixelProche(v), static_cast<int>(std::floor(v + 0.5))) << v;
    EXPECT_EQ(std::tuple(PixelProche(1e12), PixelProche(-1e12)), std::tuple(100000000, -100000000));
    EXPECT_EQ(PixelProche(std::nan("")), -100000000);
}

}  // namespace
