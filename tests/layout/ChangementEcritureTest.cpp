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
        e.MargeGauche = 15, e.LimiteDroite = 380, e.PasLigne = 38, e.YLigne = e.PosY = 100, e.HauteurCaractere = 12;
        e.LargeurBlanc = 10, e.PosX = 100;
    }
    void Passer(int de, int vers) {
        etat().EcritureAvantLatin = de, etat().EcritureNouvelle = vers;
        ChangementEcriture(*ctx);
    }
};

TEST(ChangementEcriture, SpacingOfEachCaseAndTheRightLimit) {
    BancEcriture retour;  // from a letter script back to Velmor: one font size
    retour.Passer(2, 0);
    EXPECT_EQ(std::tuple(retour.etat().PosX, retour.etat().XDebutMot, retour.etat().XTrace), std::tuple(112, 112, 112));
    EXPECT_FALSE(retour.etat().ApresEspaceLatin);
    BancEcriture api;  // Velmor to IPA: a printed space and 1.9 font sizes
    api.Passer(0, 3);
    EXPECT_DOUBLE_EQ(api.etat().PosX, 100 + 1.9 * 12);
    EXPECT_GT(api.surface.PositionTexteX(), 0);
    EXPECT_TRUE(api.etat().ApresEspaceLatin);
    BancEcriture dorvane;  // between the constructed scripts: a word space after the text
    dorvane.surface.Ligne(200, 90, 200, 100);
    dorvane.etat().PosX = 190;
    dorvane.Passer(0, 1);
    EXPECT_EQ(dorvane.etat().PosX, 210);
    BancEcriture colle;
    colle.etat().CollageEnCours = true;
    colle.Passer(2, 0);
    EXPECT_EQ(colle.etat().PosX, 100);
    BancEcriture limite;  // past the right limit: a new line
    limite.etat().SautPermis = true, limite.etat().LimiteDroite = 105;
    limite.Passer(2, 0);
    EXPECT_EQ(std::tuple(limite.etat().YLigne, limite.etat().PosX, limite.etat().XDebutMot), std::tuple(138, 15, 15));
}

}  // namespace
