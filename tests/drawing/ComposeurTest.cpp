#include "drawing/Composeur.h"
#include "support/Banc.h"

#include <QLine>
#include <gtest/gtest.h>

namespace {

// A consonant entry: both marks, every column offset 2, a blank sub-path and the given stem code.
QString Entree(const QString& tiges, QChar gauche = u'0', const QString& sousChemin = "      ") {
    QString e = QStringLiteral("00") + gauche + QStringLiteral("00") + QStringLiteral("22222") +
                QStringLiteral("00000000") + sousChemin + tiges;
    return e;  // positions 6-10 offsets, 19-24 sub-path, 25-28 stems
}

// Pen at x = 100 on a line at y = 50: the cell's top boundary is y0 = 37, its top row 38.
struct BancComposeur : Banc {
    explicit BancComposeur(const QString& entree) : Banc(300, 120) {
        EtatProgramme& e = etat();
        e.Taille = 1, e.YLigne = e.PosY = 50, e.HauteurCaractere = 12, e.MargeGauche = 15, e.PosX = e.XTrace = 100;
        e.Relief = false;
        tables().TableGlyphes['b' - 97][1][0] = entree;
    }
    void Composer() { ComposeGlyphe(*ctx, 'b', 1); }
    // The top of the body on the cell's top row and a mark `yMarque` rows down.
    void CorpsEtMarque(int yMarque = 42) {
        surface.Ligne(95, 38, 110, 38);
        surface.Ligne(95, yMarque, 110, yMarque);
    }
    bool Tige(int x, int de, int a) const {
        for (int y = de; y <= a; ++y)
            if (surface.LirePixel(x, y) != 0) return false;
        return true;
    }
};

TEST(ComposeGlyphe, StemsBridgeTheGapBetweenBodyAndMarkDownOrUp) {
    BancComposeur b(Entree("5000"));
    b.CorpsEtMarque();  // a mark five rows below the boundary
    b.Composer();
    EXPECT_EQ(std::tuple(b.Tige(102, 37, 42), b.surface.LirePixel(102, 43), b.etat().PhaseDessin), std::tuple(true, 0xFFFFFF, u"T7"_s));
    // Composing again at the same pen does nothing.
    b.surface.Point(102, 40, 0xFFFFFF);
    b.Composer();
    EXPECT_EQ(b.surface.LirePixel(102, 40), 0xFFFFFF);
    // The mirrored stem rises to a mark above the cell.
    BancComposeur haut(Entree("0050"));
    haut.CorpsEtMarque(32);
    haut.Composer();
    EXPECT_TRUE(haut.Tige(102, 32, 38));
}

// Already joined (a stroke runs down the column), another stroke alongside the stem, the mark not at
// the stem's end, no left mark: no stem, and the column keeps its ink.
TEST(ComposeGlyphe, NoStemWithoutAGap) {
    const struct {
        QChar gauche;
        int yMarque;
        QLine trait;
    } cas[] = {{u'0', 42, {102, 38, 102, 42}}, {u'0', 42, {103, 40, 103, 40}}, {u'0', 40, {}}, {u'°', 42, {}}};
    for (const auto& c : cas) {
        BancComposeur b(Entree("5000", c.gauche));
        b.CorpsEtMarque(c.yMarque);
        if (c.trait != QLine()) b.surface.Ligne(c.trait.x1(), c.trait.y1(), c.trait.x2(), c.trait.y2());
        const auto avant = b.Encre();
        b.Composer();
        EXPECT_EQ(b.Encre(), avant) << c.yMarque;
    }
}

TEST(ComposeGlyphe, SubPathFirstThenAnOffsetCodeShiftsTheLaterStems) {
    // The sub-path draws the marks' joining stroke at mid-height (y = 44) from the pen; ":" moves
    // the pen 10 to the right, so the second (right) stem hangs at 112 down to that stroke.
    BancComposeur b(Entree(":700", u'0', "R:R:  "));
    b.surface.Ligne(95, 38, 130, 38);
    b.Composer();
    EXPECT_EQ(std::tuple(b.surface.LirePixel(100, 44), b.surface.LirePixel(120, 44), b.Tige(112, 37, 44)), std::tuple(0, 0, true));
    EXPECT_EQ(b.surface.LirePixel(102, 40), 0xFFFFFF);
}

}  // namespace
