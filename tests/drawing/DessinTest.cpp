#include "drawing/Dessin.h"
#include "support/Banc.h"

#include <gtest/gtest.h>

namespace {

using Points = std::vector<std::pair<int, int>>;

TEST(Dessin, SquareOutlineReturnsThePen) {
    Banc b;
    double x = 100, y = 100;
    ASSERT_TRUE(Dessin(*b.ctx, "R2U2L2D2R1", x, y, 1, 0, ""));
    EXPECT_EQ(x, 100);
    EXPECT_EQ(y, 100);
    const Points attendu = {{100, 98}, {101, 98}, {102, 98}, {100, 99}, {102, 99},
                            {100, 100}, {101, 100}, {102, 100}};
    EXPECT_EQ(b.Encre(), attendu);
}

TEST(Dessin, ArgumentsAreCharacterCodesMinus48) {
    Banc b;
    double x = 50, y = 50;
    Dessin(*b.ctx, "R:", x, y, 1, 0, "");  // ":" is 10
    EXPECT_EQ(b.Encre().size(), 11u);
    EXPECT_EQ(b.Encre().back(), std::make_pair(60, 50));

    Banc c;
    c.etat().Taille = 3;
    double x2 = 50, y2 = 50;
    Dessin(*c.ctx, "r/", x2, y2, 1, 0, "");  // lower case, "/" is -1: one step left
    EXPECT_EQ(c.Encre().front(), std::make_pair(47, 50));
    EXPECT_EQ(c.Encre().size(), 4u);
}

TEST(Dessin, DotIsOnePixelAtTheOriginAndKeepsTheLineWidth) {
    Banc b;
    b.etat().Taille = 2;
    b.surface.FixerLargeurTrait(3);
    double x = 50, y = 60;
    Dessin(*b.ctx, "P35", x, y, 1, 0, "");
    EXPECT_EQ(b.Encre(), (Points{{56, 70}}));
    EXPECT_EQ(b.surface.LargeurTrait(), 3);
}

TEST(Dessin, BDotIsErasedAtTheNextPass) {
    Banc b;
    double x = 20, y = 20;
    Dessin(*b.ctx, "B11", x, y, 1, 0, "");
    EXPECT_EQ(b.Encre(), (Points{{21, 21}}));
    EXPECT_TRUE(b.etat().PointBPose);
    Dessin(*b.ctx, "R0", x, y, 1, 0, "");  // draws the single pixel (20, 20)
    EXPECT_EQ(b.Encre(), (Points{{20, 20}}));
    EXPECT_FALSE(b.etat().PointBPose);
}

TEST(Dessin, CircleMovesThePenTwoRadiiRight) {
    Banc b;
    b.etat().Taille = 2;
    double x = 10, y = 10;
    Dessin(*b.ctx, "C3R1", x, y, 1, 0, "");
    // The circle reaches 6 pixels on each side of (10, 10); "R1" then draws from (22, 10).
    EXPECT_EQ(b.surface.LirePixel(16, 10), 0);
    EXPECT_EQ(b.surface.LirePixel(4, 10), 0);
    EXPECT_EQ(b.surface.LirePixel(10, 10), 0xFFFFFF);
    EXPECT_EQ(b.surface.LirePixel(23, 10), 0);
    EXPECT_EQ(b.surface.LirePixel(24, 10), 0);
}

TEST(Dessin, StemsJoinOnlyNearStrokesAndOnlyInVelmor) {
    Banc b;
    double x = 100, y = 50;
    double ax = 90, ay = 53;
    Dessin(*b.ctx, "R:", ax, ay, 1, 0, "");  // a stroke 3 pixels below the pen
    const size_t avant = b.Encre().size();
    Dessin(*b.ctx, "S0", x, y, 1, 0, "");
    EXPECT_EQ(b.surface.LirePixel(100, 50), 0);
    EXPECT_EQ(b.surface.LirePixel(100, 52), 0);
    EXPECT_EQ(b.Encre().size(), avant + 3);

    Banc loin;  // empty below: the scan reaches the edge, far away, and draws nothing
    double lx = 100, ly = 50;
    Dessin(*loin.ctx, "S0N0", lx, ly, 1, 0, "");
    EXPECT_TRUE(loin.Encre().empty());

    Banc bord;  // the edge nearer than 4 × Taille: a stem to the edge
    double bx = 100, by = 297;
    Dessin(*bord.ctx, "S0", bx, by, 1, 0, "");
    EXPECT_EQ(bord.Encre().size(), 3u);

    Banc latine;
    latine.etat().Ecriture = 2;
    latine.etat().EcritureAvantDerniere = latine.etat().EcriturePrecedente = 2;
    double tx = 90, ty = 53, px = 100, py = 50;
    Dessin(*latine.ctx, "R:", tx, ty, 1, 0, "");
    Dessin(*latine.ctx, "S0", px, py, 1, 0, "");
    EXPECT_EQ(latine.surface.LirePixel(100, 50), 0xFFFFFF);

    Banc interdite;
    double ix = 90, iy = 53, jx = 100, jy = 50;
    Dessin(*interdite.ctx, "R:", ix, iy, 1, 0, "");
    interdite.etat().TigeInterdite = true;
    Dessin(*interdite.ctx, "S0", jx, jy, 1, 0, "");
    EXPECT_EQ(interdite.surface.LirePixel(100, 50), 0xFFFFFF);
    EXPECT_FALSE(interdite.etat().TigeInterdite);  // cleared at the end of the pass
}

TEST(Dessin, UnknownLettersConsumeTwoCharacters) {
    Banc b;
    double x = 30, y = 30;
    EXPECT_TRUE(Dessin(*b.ctx, "Z9", x, y, 1, 0, ""));
    EXPECT_TRUE(b.Encre().empty());
    EXPECT_TRUE(b.fenetre.messages.empty());
    // A header of digits read as commands draws nothing either.
    EXPECT_TRUE(Dessin(*b.ctx, "1234", x, y, 1, 0, ""));
    EXPECT_TRUE(b.Encre().empty());
}

TEST(Dessin, FirstPositionSkipsAHeader) {
    Banc b;
    double x = 30, y = 30;
    Dessin(*b.ctx, "xxxxR2", x, y, 5, 0, "");
    EXPECT_EQ(b.Encre(), (Points{{30, 30}, {31, 30}, {32, 30}}));
}

TEST(Dessin, MissingArgumentStopsWithTheMessage) {
    Banc b;
    b.etat().DernierCode = "ancien";
    double x = 30, y = 30;
    EXPECT_FALSE(Dessin(*b.ctx, "R2U", x, y, 1, 0, "k1"));
    EXPECT_EQ(b.fenetre.Textes(), QStringList{"Erreur dans ''Dessin$'' : R2U"});
    EXPECT_EQ(b.Encre().size(), 3u);  // the first line stays
    EXPECT_EQ(x, 32);                 // the pen is left where it was
    EXPECT_EQ(b.etat().DernierCode, "ancien");

    Banc t;
    double tx = 30, ty = 30;
    EXPECT_FALSE(Dessin(*t.ctx, "T1", tx, ty, 1, 0, ""));
    EXPECT_EQ(t.fenetre.messages.size(), 1u);
}

TEST(Dessin, ReliefStampsTaillePlusOneTimesDownTheDiagonal) {
    Banc b;
    b.etat().Relief = true;
    b.etat().Taille = 3;
    double x = 100, y = 100;
    Dessin(*b.ctx, "P00", x, y, 1, 0, "");
    EXPECT_EQ(b.Encre(), (Points{{102, 98}, {101, 99}, {100, 100}, {99, 101}}));
    EXPECT_EQ(x, 100);
    EXPECT_EQ(y, 100);
}

TEST(Dessin, MulticolourPicksTheColourByTheCodesLastCharacter) {
    Banc b;
    b.etat().TexteMulticolore = true;
    b.etat().CouleursMulticolores = {"0", "16711680", "255", "16711680", "16711680", "255",
                                     "255", "255", "65280", "255", "255"};
    double x = 10, y = 10;
    Dessin(*b.ctx, "R0", x, y, 1, 0, "ba8");
    EXPECT_EQ(b.surface.LirePixel(10, 10), 0xFF00);
    EXPECT_EQ(b.etat().DernierCode, "ba8");

    // A code that names no cell keeps the colour given; so does the repositioning mark.
    EXPECT_TRUE(Dessin(*b.ctx, "R0", x, y, 1, 0xFF0000, ""));
    EXPECT_EQ(b.surface.LirePixel(10, 10), 0xFF0000);
    EXPECT_TRUE(Dessin(*b.ctx, "R0", x, y, 1, 0xFF00FF, "b;"));
    EXPECT_EQ(b.surface.LirePixel(10, 10), 0xFF00FF);
    b.etat().Repositionnement = true;
    EXPECT_TRUE(Dessin(*b.ctx, "R0", x, y, 1, 0xFF, "8"));
    EXPECT_EQ(b.surface.LirePixel(10, 10), 0xFF);
    // A cell that holds no number is an error.
    b.etat().Repositionnement = false;
    b.etat().CouleursMulticolores[3] = "bleu";
    EXPECT_FALSE(Dessin(*b.ctx, "R0", x, y, 1, 0, "3"));
    EXPECT_EQ(b.fenetre.messages.size(), 1u);
}

TEST(Dessin, GuardsDrawNothingAndKeepTheCode) {
    Banc b;
    b.etat().DernierCode = "avant";
    b.etat().ModeRecherche = true;
    double x = 10, y = 10;
    Dessin(*b.ctx, "R5", x, y, 1, 0, "apres");
    b.etat().ModeRecherche = false;
    b.etat().LimiteAtteinte = true;
    Dessin(*b.ctx, "R5", x, y, 1, 0, "apres");
    EXPECT_TRUE(b.Encre().empty());
    EXPECT_EQ(b.etat().DernierCode, "avant");
}

TEST(Dessin, PacedDrawingFlushesBeforeEveryPassAndCommand) {
    Banc b;
    b.etat().RythmeColler = 3;
    double x = 10, y = 10;
    Dessin(*b.ctx, "R1U1L1D1R1", x, y, 1, 0, "");
    // One flush per pass and one per command, each waiting 10 ms twice.
    EXPECT_EQ(b.fenetre.rafraichissements, 6);
    EXPECT_EQ(b.horloge.attentes, 12);
    EXPECT_GE(b.horloge.millisecondes, 120);

    Banc relief;
    relief.etat().RythmeColler = 3;
    relief.etat().Relief = true;
    relief.etat().Taille = 2;
    Dessin(*relief.ctx, "R1", x, y, 1, 0, "");
    EXPECT_EQ(relief.fenetre.rafraichissements, 6);  // three passes of one command
}

TEST(Dessin, CursorShowsInTheCaptionUnlessPasting) {
    Banc b;
    b.etat().TitreFenetre = "Velmor   ";
    b.etat().PosX = 20;
    b.etat().MargeGauche = 15;
    b.etat().PosY = -3;
    double x = 10, y = 10;
    Dessin(*b.ctx, "R1", x, y, 1, 0, "");
    EXPECT_EQ(b.fenetre.textes["frmEdit"], "Velmor   Ecr.: X 20 Y-3   Souris: X 0 Y 0");
    b.fenetre.textes.clear();
    b.etat().CollageEnCours = true;
    Dessin(*b.ctx, "R1", x, y, 1, 0, "");
    EXPECT_FALSE(b.fenetre.textes.contains("frmEdit"));

    b.etat().PosX = 3;  // a cursor left of the margin is brought to it
    Dessin(*b.ctx, "R1", x, y, 1, 0, "");
    EXPECT_EQ(b.etat().PosX, 15);
}

TEST(EffacePoints, CursorDotStaysWhenItTouchesAStroke) {
    Banc b;
    b.surface.Point(50, 50);
    b.etat().XPointCurseur = 50;
    b.etat().YPointCurseur = 50;
    b.etat().PointCurseurPose = true;
    EffacePoints(*b.ctx);
    EXPECT_TRUE(b.Encre().empty());
    EXPECT_FALSE(b.etat().PointCurseurPose);

    b.surface.Point(60, 50);
    b.surface.Point(60, 51);
    b.etat().XPointCurseur = 60;
    b.etat().YPointCurseur = 50;
    b.etat().PointCurseurPose = true;
    EffacePoints(*b.ctx);
    EXPECT_EQ(b.Encre().size(), 2u);
    EXPECT_FALSE(b.etat().PointCurseurPose);
}

}  // namespace
