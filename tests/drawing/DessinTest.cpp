#include "drawing/Dessin.h"
#include "support/Banc.h"

#include <functional>
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
        b.etat().Taille = c.taille, b.etat().Relief = c.relief;
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
    EXPECT_EQ(std::tuple(b.Encre(), b.etat().PointBPose), std::tuple(Points{{21, 21}}, true));
    Dessin(*b.ctx, "R0", x, y, 1, 0, "");  // draws the single pixel (20, 20)
    EXPECT_EQ(std::tuple(b.Encre(), b.etat().PointBPose), std::tuple(Points{{20, 20}}, false));
    // The circle reaches 6 pixels on each side of (10, 10) at size 2; "R1" then draws from (22, 10).
    b.surface.Effacer();
    b.etat().Taille = 2;
    x = y = 10;
    Dessin(*b.ctx, "C3R1", x, y, 1, 0, "");
    for (int px : {16, 4, 23, 24}) EXPECT_EQ(b.surface.LirePixel(px, 10), 0) << px;
    EXPECT_EQ(b.surface.LirePixel(10, 10), 0xFFFFFF);
}

// A stem ("S0") at (100, y) joins a stroke 3 pixels below, or the picture's edge nearer than 4 × Taille,
// in the Velmor script only and not when forbidden (cleared at the end of the pass).
TEST(Dessin, StemsJoinOnlyNearStrokesAndOnlyInVelmor) {
    const auto tige = [](double y, bool trait, const std::function<void(EtatProgramme&)>& regler = {}) {
        auto b = std::make_unique<Banc>();
        double tx = 90, ty = y + 3, x = 100;
        if (trait) Dessin(*b->ctx, "R:", tx, ty, 1, 0, "");
        if (regler) regler(b->etat());
        Dessin(*b->ctx, "S0N0", x, y, 1, 0, "");
        return b;
    };
    auto b = tige(50, true);
    EXPECT_EQ(std::tuple(b->surface.LirePixel(100, 50), b->surface.LirePixel(100, 52)), std::tuple(0, 0));
    EXPECT_EQ(b->Encre().size(), 11u + 3);
    EXPECT_TRUE(tige(50, false)->Encre().empty());  // nothing below: the edge is far away
    EXPECT_EQ(tige(297, false)->Encre().size(), 3u);
    auto latine = tige(50, true, [](EtatProgramme& e) { e.Ecriture = e.EcritureAvantDerniere = e.EcriturePrecedente = 2; });
    EXPECT_EQ(latine->surface.LirePixel(100, 50), 0xFFFFFF);
    auto interdite = tige(50, true, [](EtatProgramme& e) { e.TigeInterdite = true; });
    EXPECT_EQ(std::tuple(interdite->surface.LirePixel(100, 50), interdite->etat().TigeInterdite), std::tuple(0xFFFFFF, false));
}

TEST(Dessin, MulticolourPicksTheColourByTheCodesLastCharacterAndBadPathsStop) {
    Banc b;
    b.etat().TexteMulticolore = true;
    b.etat().CouleursMulticolores = {"0", "16711680", "255", "16711680", "16711680", "255",
                                     "255", "255", "65280", "255", "255"};
    double x = 10, y = 10;
    Dessin(*b.ctx, "R0", x, y, 1, 0, "ba8");
    EXPECT_EQ(std::tuple(b.surface.LirePixel(10, 10), b.etat().DernierCode), std::tuple(0xFF00, u"ba8"_s));
    // A code that names no cell keeps the colour given; so does the repositioning mark.
    EXPECT_TRUE(Dessin(*b.ctx, "R0", x, y, 1, 0xFF0000, ""));
    EXPECT_EQ(b.surface.LirePixel(10, 10), 0xFF0000);
    EXPECT_TRUE(Dessin(*b.ctx, "R0", x, y, 1, 0xFF00FF, "b;"));
    EXPECT_EQ(b.surface.LirePixel(10, 10), 0xFF00FF);
    b.etat().Repositionnement = true;
    EXPECT_TRUE(Dessin(*b.ctx, "R0", x, y, 1, 0xFF, "8"));
    EXPECT_EQ(b.surface.LirePixel(10, 10), 0xFF);
    // A cell that holds no number is an error.
    b.etat().Repositionnement = false, b.etat().CouleursMulticolores[3] = "bleu";
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
    EXPECT_FALSE(Dessin(*m.ctx, "T1", x, y, 1, 0, ""));
    EXPECT_EQ(m.fenetre.messages.size(), 2u);
}

TEST(Dessin, PacedDrawingFlushesBeforeEveryPassAndCommand) {
    Banc b;
    b.etat().RythmeColler = 3;
    double x = 10, y = 10;
    Dessin(*b.ctx, "R1U1L1D1R1", x, y, 1, 0, "");
    // One flush per pass and one per command, each waiting 10 ms twice.
    EXPECT_EQ(std::tuple(b.fenetre.rafraichissements, b.horloge.attentes), std::tuple(6, 12));
    EXPECT_GE(b.horloge.millisecondes, 120);
    b.fenetre.rafraichissements = 0;
    b.etat().Relief = true, b.etat().Taille = 2;
    Dessin(*b.ctx, "R1", x, y, 1, 0, "");
    EXPECT_EQ(b.fenetre.rafraichissements, 6);  // three passes of one command
}

TEST(Dessin, CursorShowsInTheCaptionUnlessPastingAndGuardsDrawNothing) {
    Banc b;
    b.etat().TitreFenetre = "Velmor   ", b.etat().PosX = 20, b.etat().MargeGauche = 15, b.etat().PosY = -3;
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
    g.etat().DernierCode = "avant", g.etat().ModeRecherche = true;
    Dessin(*g.ctx, "R5", x, y, 1, 0, "apres");
    g.etat().ModeRecherche = false, g.etat().LimiteAtteinte = true;
    Dessin(*g.ctx, "R5", x, y, 1, 0, "apres");
    EXPECT_EQ(std::tuple(g.Encre().size(), g.etat().DernierCode), std::tuple(0u, u"avant"_s));
}

TEST(EffacePoints, CursorDotStaysWhenItTouchesAStroke) {
    for (bool touche : {false, true}) {
        Banc b;
        b.surface.Point(60, 50);
        if (touche) b.surface.Point(60, 51);
        b.etat().XPointCurseur = 60, b.etat().YPointCurseur = 50, b.etat().PointCurseurPose = true;
        EffacePoints(*b.ctx);
        EXPECT_EQ(b.Encre().size(), touche ? 2u : 0u);
        EXPECT_FALSE(b.etat().PointCurseurPose);
    }
}

// 100,000 commands, with steps far beyond any picture: the pass ends, the pen comes back and
// nothing is drawn outside the surface. A path cut after its letter gets the message, once.
TEST(Dessin, HundredThousandCommandsEndAndPutThePenBack) {
    const QChar loin(0xFFFF);  // argument 65487: × 50 goes past 3 million pixels
    const struct {
        QString motif;  // repeated to 100,000 commands
        int commandes, taille;
        bool relief;
    } cas[] = {
        {"R1U1L1D1", 4, 1, false},
        {QString("R%1U%1F%1H%1E%1G%1").arg(loin), 6, 50, false},
        {QString("T%1%1P%1%1B%1/").arg(loin), 3, 50, false},
        {QString("C%1S0N0C/").arg(loin), 4, 50, false},
        {"R/L/C1S0", 4, 3, true},
    };
    for (const auto& c : cas) {
        Banc b(120, 80);
        b.etat().Taille = c.taille, b.etat().Relief = c.relief;
        double x = 60, y = 40;
        EXPECT_TRUE(Dessin(*b.ctx, c.motif.repeated(100000 / c.commandes), x, y, 1, 0, "")) << c.motif.left(4).toStdString();
        EXPECT_EQ(std::tuple(x, y, b.fenetre.messages.size()), std::tuple(60.0, 40.0, 0u));
    }
    Banc b(120, 80);
    double x = 60, y = 40;
    EXPECT_FALSE(Dessin(*b.ctx, QString("R1").repeated(100000) + "R", x, y, 1, 0, ""));
    EXPECT_EQ(b.fenetre.messages.size(), 1u);
}

}  // namespace
