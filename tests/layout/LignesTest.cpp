#include "layout/Ecrans.h"
#include "layout/LimiteDroite.h"
#include "layout/Lignes.h"
#include "layout/Page.h"
#include "support/BancLigne.h"

#include <gtest/gtest.h>

namespace {

// A bench on its first line, as start-up leaves it.
void PremiereLigne(Banc& b) {
    EtatProgramme& e = b.etat();
    e.PasLigne = 38, e.HauteurCaractere = 12, e.MargeGauche = 15, e.YLigne = 0;
    NouvelleLigne(*b.ctx);
    e.SautPermis = true;
}

// New lines until a limit is reached (or `max` lines).
void Avancer(Banc& b, int max = 200) {
    for (int i = 0; i < max && !b.etat().LimiteAtteinte; ++i) {
        b.etat().SautPermis = true;
        NouvelleLigne(*b.ctx);
    }
}

TEST(NouvelleLigne, FirstLineThenSwallowedRequestThenAdvanceAndAPageStartedAgain) {
    Banc b;
    EtatProgramme& e = b.etat();
    e.PasLigne = 38;
    NouvelleLigne(*b.ctx);
    EXPECT_EQ(std::tuple(e.YLigne, e.PosY, e.NombreLignes), std::tuple(38, 38, 0));
    e.PosX = 120, e.SautPermis = false;
    NouvelleLigne(*b.ctx);
    EXPECT_EQ(std::tuple(e.SautPermis, e.YLigne, e.PosX), std::tuple(true, 38, 120));
    NouvelleLigne(*b.ctx);
    EXPECT_EQ(std::tuple(e.YLigne, e.PosY, e.PosX, e.XDebutMot), std::tuple(76, 76, 15, 15));
    EXPECT_EQ(std::tuple(e.NombreLignes, e.XMaxAtteint, e.RetourForce), std::tuple(1, 120, true));
    EXPECT_EQ(e.IndicePageRappel, 1);  // the line's page went into the ring
    EXPECT_TRUE(b.ctx->pages.Occupee(1));
    // A page started again keeps the old cursor as the word start.
    Banc r;
    r.etat().PasLigne = 40, r.etat().MargeGauche = 15, r.etat().PosX = 230, r.etat().Tampon = "mot";
    r.etat().PageEntamee = true;
    r.fenetre.defilementV = 120;
    ReinitialiserPage(*r.ctx);
    EXPECT_EQ(std::tuple(r.etat().XDebutMot, r.etat().PosX, r.etat().PosY), std::tuple(230, 15, 40));
    EXPECT_EQ(std::tuple(r.etat().Tampon, r.etat().PageEntamee, r.fenetre.defilementV), std::tuple(u""_s, false, 0));
}

TEST(FinDeLigne, ReadsTheFourProbeRows) {
    BancLigne b;
    EtatProgramme& e = b.etat();
    e.MargeSonde = 3, e.PosX = 100;
    FinDeLigne(*b.ctx);
    EXPECT_EQ(e.XFinGlyphe, 15);  // empty line
    b.surface.Point(120, 94, 0);  // y2 = YLigne - HauteurCaractere / 2
    b.surface.Point(140, 95, 0);  // between the probes: not seen
    b.surface.Point(135, 97, 0);  // y3 = y2 + 3, but beyond PosX + 30
    FinDeLigne(*b.ctx);
    EXPECT_EQ(e.XFinGlyphe, 120);
    b.surface.Point(125, 97, 0);
    FinDeLigne(*b.ctx);
    EXPECT_EQ(e.XFinGlyphe, 125);
}

TEST(NouvelleLigne, GrowsTheSurfaceUpToTheHeightA4AndSixteenBitLimits) {
    Banc b(300, 200);
    b.fenetre.zoneTravail = QRect(0, 0, 300 * 15, 150 * 15);
    PremiereLigne(b);
    Avancer(b);
    EtatProgramme& e = b.etat();
    ASSERT_TRUE(e.LimiteAtteinte);
    EXPECT_EQ(std::tuple(b.surface.Hauteur(), b.fenetre.textes["TxtDimPic"]), std::tuple(2052, u" Largeur : 300  Hauteur : 2052"_s));
    EXPECT_EQ(b.fenetre.Textes(), QStringList{"Hauteur maximum de l'image atteinte.\r\r"
                                              "Elle est ici de  2015 pixels de hauteur.\r\r"
                                              "Nombre de Lignes Velmor atteint :  52."});
    EXPECT_GT(b.fenetre.maxV, 0);  // (nothing drawn past the limit: the path tests)
    Banc a4(775, 1130);
    a4.etat().FormatA4 = true, a4.etat().HauteurPageA4 = 1130;
    PremiereLigne(a4);
    Avancer(a4);
    EXPECT_TRUE(a4.etat().LimiteAtteinte);
    EXPECT_EQ(a4.fenetre.Textes(), QStringList{"Hauteur maximum de l'image A4 atteinte.\r\r"
                                               "Elle est ici de  1103 pixels de hauteur.\r\r"
                                               "Nombre de Lignes Velmor atteint :  28."});
    // 2200 pixels are more than 32767 twips at 15 twips per pixel: the first growth stops.
    Banc large(2200, 300);
    large.fenetre.zoneTravail = QRect(0, 0, 1000 * 15, 50 * 15);
    PremiereLigne(large);
    large.etat().PosX = 400;
    Avancer(large, 1);
    EXPECT_EQ(std::tuple(large.etat().LimiteAtteinte, large.surface.Hauteur(), large.fenetre.messages.size()), std::tuple(true, 300, 1u));
    Banc proche(300, 200);  // a near end: no message
    proche.fenetre.zoneTravail = QRect(0, 0, 300 * 15, 150 * 15);
    proche.etat().FinProche = true;
    PremiereLigne(proche);
    Avancer(proche);
    EXPECT_EQ(std::tuple(proche.etat().LimiteAtteinte, proche.fenetre.messages.size()), std::tuple(true, 0u));
}

TEST(NouvelleLigne, ScreensWhilePastingStopAtTheTwentyFirst) {
    Banc b(300, 400);
    EtatProgramme& e = b.etat();
    b.fenetre.textes["TxtPaq"] = "1";
    e.YMaxiA4 = 150;
    PremiereLigne(b);
    e.CollageEnCours = true;
    std::vector<QImage> ecrans;
    int ecran = 1;
    for (int i = 0; i < 200 && !e.EcransPleins; ++i) {
        b.surface.Point(10 + ecran, 10, 0);  // one dot per screen, at its own place
        b.surface.Point(20 + i % 3, e.PosY - 2, 0);
        const QImage avant = b.surface.Image();
        e.SautPermis = true;
        NouvelleLigne(*b.ctx);
        if (e.ChangementEcran) {
            ecrans.push_back(avant);
            ++ecran;
            EXPECT_EQ(e.PosY, e.PasLigne);
            if (!e.EcransPleins) EXPECT_EQ(b.Encre().size(), 0u);  // cleared for the next screen
        }
    }
    ASSERT_EQ(ecrans.size(), 20u);
    EXPECT_EQ(std::tuple(e.LimiteAtteinte, e.NumeroEcran, e.DernierEcran), std::tuple(true, 20, 20));
    EXPECT_EQ(b.fenetre.textes["TxtPaq"], "20");
    EXPECT_EQ(b.fenetre.Textes(), QStringList{"Texte trop important, doit occuper 20 écrans maxi !"});
    EXPECT_TRUE(b.fenetre.visibles.contains("CmdPaqPos"));
    for (int n : {1, 7, 20}) {
        ASSERT_TRUE(AfficherEcran(*b.ctx, n));
        EXPECT_EQ(b.surface.Image(), ecrans[static_cast<size_t>(n - 1)]) << "screen " << n;
        EXPECT_EQ(std::tuple(e.PosY, e.YLigne), std::tuple(152, 152));
        EXPECT_EQ(e.EtatEcrans[static_cast<size_t>(n)][6], 300);
    }
    EXPECT_FALSE(AfficherEcran(*b.ctx, 0));
}

// The line breaks only past the right limit, and only when a break is allowed.
TEST(ControleFinLigne, BreaksOnlyPastTheLimitAndWhenAllowed) {
    BancLigne b;
    b.fenetre.zoneTravail = QRect(0, 0, 300 * 15, 1000 * 15);
    b.etat().MargeLimite = 0, b.etat().PosX = 280;
    b.surface.Point(295, 94, 0);
    b.etat().SautPermis = true;
    ControleFinLigne(*b.ctx);
    EXPECT_EQ(std::tuple(b.etat().LimiteDroite, b.etat().YLigne), std::tuple(300, 100));  // the text ends before the limit
    b.surface.Point(305, 94, 0);
    b.etat().SautPermis = false;
    ControleFinLigne(*b.ctx);
    EXPECT_EQ(std::tuple(b.etat().XFinGlyphe, b.etat().YLigne), std::tuple(305, 100));  // not allowed
    b.etat().SautPermis = true;
    ControleFinLigne(*b.ctx);
    EXPECT_EQ(std::tuple(b.etat().YLigne, b.etat().PosX), std::tuple(138, 15));
}

}  // namespace
