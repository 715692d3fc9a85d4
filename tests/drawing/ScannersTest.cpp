#include "drawing/Scanners.h"
#include "support/Banc.h"

#include <gtest/gtest.h>

namespace {

struct BancLigne : Banc {
    BancLigne() : Banc(400, 200) {
        EtatProgramme& e = etat();
        e.MargeGauche = 15;
        e.YLigne = e.PosY = 100;
        e.PasLigne = 38;
        e.HauteurCaractere = 12;
        e.LargeurBlanc = 10;
        e.Taille = 1;
        e.PosX = 190;
    }
};

TEST(ScanFinTexte, EmptyLineGivesTheLeftMargin) {
    for (Bande bande : {Bande::Ligne, Bande::Pleine, Bande::Cellule}) {
        BancLigne b;
        ScanFinTexte(*b.ctx, bande);
        EXPECT_EQ(b.etat().XFinGlyphe, 15);
    }
    BancLigne c;
    ScanFinTexte(*c.ctx, Bande::Cellule);
    EXPECT_EQ(c.etat().PosX, 15);
    EXPECT_EQ(c.etat().XDebutMot, 15);

    BancLigne m;
    m.etat().PosX = 5;
    EspaceMot(*m.ctx);
    EXPECT_EQ(m.etat().PosX, 15);
    EXPECT_EQ(m.etat().XFinGlyphe, 15);
}

TEST(ScanFinTexte, EachBandSeesItsOwnRows) {
    BancLigne b;
    b.surface.Point(180, 80, 0);   // above the cell, inside the full band
    b.surface.Point(170, 105, 0);  // below the base line, inside the line band
    b.surface.Point(160, 95, 0);   // in the cell
    b.surface.Point(230, 95, 0);   // beyond PosX + 30
    ScanFinTexte(*b.ctx, Bande::Pleine);
    EXPECT_EQ(b.etat().XFinGlyphe, 180);
    ScanFinTexte(*b.ctx, Bande::Ligne);
    EXPECT_EQ(b.etat().XFinGlyphe, 170);
    ScanFinTexte(*b.ctx, Bande::Cellule);
    EXPECT_EQ(b.etat().XFinGlyphe, 160);
    EXPECT_EQ(b.etat().PosX, 160);

}

TEST(EspaceMot, TwoWordSpacesAfterTheTextEnd) {
    BancLigne b;
    b.surface.Ligne(190, 90, 200, 100);  // a glyph ending at x = 200
    EspaceMot(*b.ctx);
    EXPECT_EQ(b.etat().XFinGlyphe, 200);
    EXPECT_EQ(b.etat().PosX, 220);
    EXPECT_EQ(b.etat().XDebutMot, 220);

    // A scan near the picture's edges reads only the pixels inside it.
    Banc bord(60, 30);
    bord.etat().MargeGauche = 15;
    bord.etat().YLigne = 25;
    bord.etat().HauteurCaractere = 12;
    bord.etat().LargeurBlanc = 10;
    bord.etat().PosX = 50;
    bord.surface.Point(59, 28, 0);
    EspaceMot(*bord.ctx);
    EXPECT_EQ(bord.etat().XFinGlyphe, 59);
}

TEST(ControleFinLigne, BreaksOnlyPastTheLimitAndWhenAllowed) {
    BancLigne b;
    b.fenetre.zoneTravail = QRect(0, 0, 300 * 15, 1000 * 15);
    b.etat().MargeLimite = 0;
    b.etat().PosX = 280;
    b.surface.Point(295, 94, 0);
    b.etat().SautPermis = true;
    ControleFinLigne(*b.ctx);
    EXPECT_EQ(b.etat().LimiteDroite, 300);
    EXPECT_EQ(b.etat().YLigne, 100);  // the text ends before the limit

    b.surface.Point(305, 94, 0);
    b.etat().SautPermis = false;
    ControleFinLigne(*b.ctx);
    EXPECT_EQ(b.etat().XFinGlyphe, 305);
    EXPECT_EQ(b.etat().YLigne, 100);  // not allowed

    b.etat().SautPermis = true;
    ControleFinLigne(*b.ctx);
    EXPECT_EQ(b.etat().YLigne, 138);
    EXPECT_EQ(b.etat().PosX, 15);
}

TEST(CalculeMargeLimite, BySizeWindowStateReliefAndFixedWidth) {
    struct Cas { int taille; bool maximisee, relief, fixee; double marge; };
    for (const Cas& c : {Cas{1, false, false, false, 20}, Cas{3, false, false, false, -33}, Cas{1, true, true, false, 13},
                         Cas{1, true, false, false, 24}, Cas{1, true, false, true, -5}}) {
        Banc b;
        b.etat().Taille = c.taille;
        b.fenetre.maximisee = c.maximisee;
        b.etat().Relief = c.relief;
        b.etat().LargeurImageFixee = c.fixee;
        CalculeMargeLimite(*b.ctx);
        EXPECT_EQ(b.etat().MargeLimite, c.marge) << c.taille << c.maximisee << c.relief << c.fixee;
    }
}

}  // namespace
