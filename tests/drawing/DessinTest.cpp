#include "drawing/Dessin.h"
#include "support/Banc.h"

#include <gtest/gtest.h>

namespace {

using Points = std::vector<std::pair<int, int>>;

// Paths drawn on a fresh bench: the ink they leave and where the pen ends (NaN: not checked).
struct CasChemin {
    const char* chemin;
    int taille, largeur, premier;
    bool relief;
    Points encre;
    double finX = qQNaN(), finY = qQNaN();
};

TEST(Dessin, PathsLeaveTheirInk) {
    const double nan = qQNaN();
    const CasChemin cas[] = {
        // A square outline returns the pen.
        {"R2U2L2D2R1", 1, 1, 1, false, {{100, 98}, {101, 98}, {102, 98}, {100, 99}, {102, 99}, {100, 100}, {101, 100}, {102, 100}}, 100, 100},
        // Arguments are character codes minus 48: ":" is 10, "/" is -1; lower case reads alike.
        {"R:", 1, 1, 1, false, {{100, 100}, {101, 100}, {102, 100}, {103, 100}, {104, 100}, {105, 100}, {106, 100}, {107, 100}, {108, 100}, {109, 100}, {110, 100}}, nan, nan},
        {"r/", 3, 1, 1, false, {{97, 100}, {98, 100}, {99, 100}, {100, 100}}, nan, nan},
        // A dot is one pixel at its offset whatever the line width, which it keeps.
        {"P35", 2, 3, 1, false, {{106, 110}}, 100, 100},
        // The first position skips a header.
        {"xxxxR2", 1, 1, 5, false, {{100, 100}, {101, 100}, {102, 100}}, nan, nan},
        // Relief stamps Taille + 1 times down the diagonal.
        {"P00", 3, 1, 1, true, {{102, 98}, {101, 99}, {100, 100}, {99, 101}}, 100, 100},
        // Unknown letters consume two characters; a header of digits read as commands draws nothing.
        {"Z9", 1, 1, 1, false, {}, nan, nan},
        {"1234", 1, 1, 1, false, {}, nan, nan},
    };
    for (const CasChemin& c : cas) {
        Banc b;
        b.etat().Taille = c.taille;
        b.etat().Relief = c.relief;
        b.surface.FixerLargeurTrait(c.largeur);
        double x = 100, y = 100;
        EXPECT_TRUE(Dessin(*b.ctx, c.chemin, x, y, c.premier, 0, "")) << c.chemin;
        EXPECT_EQ(b.Encre(), c.encre) << c.chemin;
        EXPECT_TRUE(b.fenetre.messages.empty()) << c.chemin;
        EXPECT_EQ(b.surface.LargeurTrait(), c.largeur) << c.chemin;
        if (!qIsNaN(c.finX)) EXPECT_EQ(std::make_pair(x, y), std::make_pair(c.finX, c.finY)) << c.chemin;
    }
}

// A "B" dot is erased at the next pass; a circle moves the pen two radii right.
TEST(Dessin, BDotIsErasedAtTheNextPassAndACircleMovesThePen) {
    Banc b;
    double x = 20, y = 20;
    Dessin(*b.ctx, "B11", x, y, 1, 0, "");
    EXPECT_EQ(b.Encre(), (Points{{21, 21}}));
    EXPECT_TRUE(b.etat().PointBPose);
    Dessin(*b.ctx, "R0", x, y, 1, 0, "");  // draws the single pixel (20, 20)
    EXPECT_EQ(b.Encre(), (Points{{20, 20}}));
    EXPECT_FALSE(b.etat().PointBPose);

    Banc c;
    c.etat().Taille = 2;
    x = y = 10;
    Dessin(*c.ctx, "C3R1", x, y, 1, 0, "");
    // The circle reaches 6 pixels on each side of (10, 10); "R1" then draws from (22, 10).
    for (int px : {16, 4, 23, 24}) EXPECT_EQ(c.surface.LirePixel(px, 10), 0) << px;
    EXPECT_EQ(c.surface.LirePixel(10, 10), 0xFFFFFF);
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

TEST(Dessin, MulticolourPicksTheColourByTheCodesLastCharacterAndBadPathsStop) {
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

    // A missing argument stops the path with its message.
    Banc m;
    m.etat().DernierCode = "ancien";
    x = y = 30;
    EXPECT_FALSE(Dessin(*m.ctx, "R2U", x, y, 1, 0, "k1"));
    EXPECT_EQ(m.fenetre.Textes(), QStringList{"Erreur dans ''Dessin$'' : R2U"});
    EXPECT_EQ(m.Encre().size(), 3u);  // the first line stays
    EXPECT_EQ(x, 32);                 // the pen is left where it was
    EXPECT_EQ(m.etat().DernierCode, "ancien");

    Banc t;
    double tx = 30, ty = 30;
    EXPECT_FALSE(Dessin(*t.ctx, "T1", tx, ty, 1, 0, ""));
    EXPECT_EQ(t.fenetre.messages.size(), 1u);
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

TEST(Dessin, CursorShowsInTheCaptionUnlessPastingAndGuardsDrawNothing) {
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

    // In search mode or past the limit nothing is drawn and the last code stays.
    Banc g;
    g.etat().DernierCode = "avant";
    g.etat().ModeRecherche = true;
    Dessin(*g.ctx, "R5", x, y, 1, 0, "apres");
    g.etat().ModeRecherche = false;
    g.etat().LimiteAtteinte = true;
    Dessin(*g.ctx, "R5", x, y, 1, 0, "apres");
    EXPECT_TRUE(g.Encre().empty());
    EXPECT_EQ(g.etat().DernierCode, "avant");
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
