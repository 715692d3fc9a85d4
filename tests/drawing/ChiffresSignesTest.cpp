#include "drawing/Chiffres.h"
#include "drawing/MarqueFinMot.h"
#include "drawing/Signes.h"
#include "support/Banc.h"

#include <gtest/gtest.h>

namespace {

using Points = std::vector<std::pair<int, int>>;

struct BancMot : Banc {
    BancMot() : Banc(400, 200) {
        EtatProgramme& e = etat();
        e.MargeGauche = 15, e.YLigne = e.PosY = 50, e.HauteurCaractere = 12, e.LargeurBlanc = 5, e.PosX = 15;
        e.Relief = false;
    }
};

TEST(DessineChiffres, PairAdvanceAndVerticalOffsetFromTheDigitEntries) {
    BancMot b;
    //                      pairs 0..9   offset path
    b.tables().Chiffres[1] = "xx0000000000x5D5";
    b.tables().Chiffres[2] = "xx0400000000x7R3";  // 4 after a "1"
    DessineChiffres(*b.ctx, "12");
    // "1" one word space after the empty line's margin; "2" one word space after the "1", plus 4,
    // two pixels lower.
    const Points attendu = {{20, 50}, {20, 51}, {20, 52}, {29, 52}, {30, 52}, {31, 52},
                            {32, 52}, {20, 53}, {20, 54}, {20, 55}};
    EXPECT_EQ(b.Encre(), attendu);
    EXPECT_EQ(std::tuple(b.etat().PosX, b.etat().XDebutMot, b.etat().PhaseDessin), std::tuple(32, 32, u"X8"_s));
    b.surface.Effacer();
    b.etat().PosX = 15;
    DessineChiffres(*b.ctx, "a1");
    EXPECT_EQ(std::tuple(b.Encre().size(), b.etat().PosX), std::tuple(0u, 15));
    DessineChiffres(*b.ctx, "1b1");  // stops at the letter
    EXPECT_EQ(b.Encre().size(), 6u);
}

struct BancSigne : BancMot {
    BancSigne() {
        tables().TableSignes['^' - 33] = "2R2", tables().TableSignes['=' - 33] = "3R3";
        tables().TableSignes['.' - 33] = "1P00", tables().TableSignes['#' - 33] = "2R1";
        tables().TableSignes['M' - 33] = "1U2";
    }
    void Signe(const QString& mot) {
        etat().MotSigne = mot;
        DessineSigne(*ctx);
    }
};

TEST(DessineSigne, AdvancesByTheTableAndTheEntrysDigitOrShowsTheMissingSign) {
    BancSigne q;
    q.Signe("!q");
    EXPECT_EQ(q.etat().CodeSigne, "Q");
    EXPECT_EQ(q.Encre(), (Points{{20, 50}, {21, 50}, {22, 50}}));  // a word space after the margin
    EXPECT_EQ(std::tuple(q.etat().AvanceGlyphe, q.etat().DernierCode, q.etat().SautPermis), std::tuple(2, u"^"_s, true));
    BancSigne c;
    c.etat().Taille = 2, c.etat().LargeurBlanc = 10;
    c.Signe("!C");
    EXPECT_EQ(c.etat().AvanceGlyphe, 48 + 2 * 3);
    BancSigne relief;
    relief.etat().Relief = true, relief.etat().ProfondeurRelief = 1;
    relief.Signe("!C");
    EXPECT_EQ(std::tuple(relief.etat().AvanceGlyphe, relief.etat().PosX), std::tuple(22 + 3, 21));
    BancSigne zero;
    zero.Signe("!0");
    EXPECT_TRUE(zero.Encre().empty());
    EXPECT_EQ(std::tuple(zero.etat().PosX, zero.etat().AvanceGlyphe), std::tuple(20, 2 * 5 + 1));
    BancSigne diese;
    diese.Signe("!#");
    EXPECT_TRUE(diese.etat().PointCurseurPose);
    EXPECT_EQ(diese.surface.LirePixel(20 + 2 + 5, 44), 0);  // one word space after the sign's advance
    BancSigne absent;
    absent.Signe("!k");
    EXPECT_EQ(absent.fenetre.Textes(), QStringList{"Pas de POHCT  ''K''  ASC( 75)"});
    EXPECT_EQ(std::tuple(absent.Encre().size(), absent.etat().AvanceGlyphe), std::tuple(0u, 10));
}

TEST(DessineSigne, StressSignsAgainstThePreviousGlyph) {
    BancSigne reporte;
    reporte.etat().FormeSigne = 1;  // left to the syllable drawer
    reporte.Signe("!M");
    EXPECT_EQ(std::tuple(reporte.Encre().size(), reporte.etat().PosX), std::tuple(0u, 15));
    const QString sansQueue = QString(30, u'0') + u'°';
    for (bool queue : {false, true}) {
        BancSigne b;
        b.tables().TableGlyphes['b' - 97][1][0] = queue ? QString(31, u'0') : sansQueue;
        b.etat().LettreComposee = 'b', b.etat().FormeComposee = 1, b.etat().FormeSigne = 2;
        b.surface.Ligne(100, 40, 100, 50);
        b.etat().PosX = 104;
        b.Signe("!M");
        EXPECT_EQ(b.etat().PosX, queue ? 102.5 : 101);
        EXPECT_EQ(b.etat().AvanceGlyphe, 5 + 1);
    }
}

// A word ending at x 100 with ink at (110, 39), within the three rows below YLigne - HauteurCaractere.
struct BancMarque : BancMot {
    explicit BancMarque(bool finale = true) {
        etat().MarqueFinVelmor = "R2", etat().SyllabeFinale = finale, etat().PosX = 100;
        surface.Point(110, 39, 0);
    }
};

TEST(MarqueFinMot, DrawnThreeUnitsAfterTheStrokeAtTheTopOfTheCell) {
    BancMarque b;
    b.etat().XDebutMot = 90;
    MarqueFinMot(*b.ctx);
    EXPECT_EQ(b.Encre(), (Points{{113, 38}, {114, 38}, {115, 38}, {110, 39}}));
    EXPECT_EQ(std::tuple(b.etat().PosX, b.etat().SyllabeFinale), std::tuple(95, false));
    BancMarque ec;  // after phase "EC" the mark's probe is at mid-height
    ec.etat().PhaseDessin = "EC";
    MarqueFinMot(*ec.ctx);
    EXPECT_TRUE(ec.etat().SyllabeFinale);
    ec.surface.Point(120, 45, 0);
    ec.etat().PhaseDessin = "EC";
    MarqueFinMot(*ec.ctx);
    EXPECT_EQ(ec.surface.LirePixel(124, 38), 0);
    BancMarque fini(false);
    MarqueFinMot(*fini.ctx);
    EXPECT_EQ(std::tuple(fini.Encre().size(), fini.etat().PhaseDessin), std::tuple(1u, u"L:"_s));
}

}  // namespace
