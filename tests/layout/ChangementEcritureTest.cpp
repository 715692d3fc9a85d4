#include "layout/ChangementEcriture.h"
#include "support/Banc.h"

#include <gtest/gtest.h>

namespace {

struct BancEcriture : Banc {
    BancEcriture() : Banc(400, 200) {
        QFont police;
        police.setPointSize(12);
        surface.FixerPolice(police);
        EtatProgramme& e = etat();
        e.MargeGauche = 15;
        e.LimiteDroite = 380;
        e.PasLigne = 38;
        e.YLigne = e.PosY = 100;
        e.HauteurCaractere = 12;
        e.LargeurBlanc = 10;
        e.PosX = 100;
    }
    void Passer(int de, int vers) {
        etat().EcritureAvantLatin = de;
        etat().EcritureNouvelle = vers;
        ChangementEcriture(*ctx);
    }
};

TEST(ChangementEcriture, LetterScriptBackToVelmorAddsOneFontSize) {
    BancEcriture b;
    b.Passer(2, 0);
    EXPECT_EQ(b.etat().PosX, 112);
    EXPECT_EQ(b.etat().XDebutMot, 112);
    EXPECT_EQ(b.etat().XTrace, 112);
    EXPECT_FALSE(b.etat().ApresEspaceLatin);

    BancEcriture marge;
    marge.etat().PosX = 3;
    marge.Passer(3, 1);
    EXPECT_EQ(marge.etat().PosX, 27);
}

TEST(ChangementEcriture, VelmorToIpaPrintsASpaceAndAddsOnePointNineFontSizes) {
    BancEcriture b;
    b.Passer(0, 3);
    EXPECT_DOUBLE_EQ(b.etat().PosX, 100 + 1.9 * 12);
    EXPECT_GT(b.surface.PositionTexteX(), 0);  // the space moved the text position
    EXPECT_TRUE(b.etat().ApresEspaceLatin);

    BancEcriture latin;
    latin.Passer(3, 2);
    EXPECT_DOUBLE_EQ(latin.etat().PosX, 100 + 1.9 * 12);
}

TEST(ChangementEcriture, BetweenTheConstructedScriptsAWordSpaceFromTheText) {
    BancEcriture b;
    b.surface.Ligne(200, 90, 200, 100);
    b.etat().PosX = 190;
    b.Passer(0, 1);
    EXPECT_EQ(b.etat().PosX, 210);
    EXPECT_TRUE(b.etat().ApresEspaceLatin);
}

TEST(ChangementEcriture, RightLimitStartsANewLineAndPastingChangesNothing) {
    BancEcriture b;
    b.etat().SautPermis = true;
    b.etat().LimiteDroite = 105;
    b.Passer(2, 0);
    EXPECT_EQ(b.etat().YLigne, 138);
    EXPECT_EQ(b.etat().PosX, 15);
    EXPECT_EQ(b.etat().XDebutMot, 15);

    BancEcriture colle;
    colle.etat().CollageEnCours = true;
    colle.Passer(2, 0);
    EXPECT_EQ(colle.etat().PosX, 100);

    BancEcriture rien;
    rien.Passer(1, 1);
    EXPECT_EQ(rien.etat().PosX, 100);
}

}  // namespace
