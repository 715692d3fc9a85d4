#include "layout/AffichageEtat.h"
#include "layout/Repositionnement.h"
#include "support/BancLigne.h"

#include <gtest/gtest.h>

namespace {

// The cursor sits at (190, 100); a text pixel ends the line at x 40; the user clicks at (60, 100).
struct BancRepos : BancLigne {
    explicit BancRepos(bool texte = true) {
        etat().TitreFenetre = QStringLiteral("Velmor   "), etat().PositionImposee = true;
        if (texte) surface.Point(40, 95, 0);
        CliqueRepositionnement(*ctx, 60, 100);
        OuvreRepositionnement(*ctx);
    }
    int Pixels(Couleur c) const {
        int n = 0;
        for (auto [x, y] : Encre()) n += surface.LigneBrute(y)[x] == Surface::VersRgb(c);
        return n;
    }
};

TEST(Repositionnement, OpeningComputesTheLogicalCandidatesAndMarksTheClick) {
    BancRepos vide(false);
    EXPECT_EQ(std::tuple(vide.etat().XLogique, vide.etat().YLogique), std::tuple(15, 114));  // empty line: the margin
    EXPECT_TRUE(vide.etat().Repositionnement);
    EXPECT_GT(vide.Pixels(0), 0);  // the black mark at the click
    EXPECT_EQ(vide.fenetre.Texte("frmEdit"), "Velmor   Ecr.: X 60 Y 100   Souris: X 60 Y 100");
    BancRepos b;
    EXPECT_EQ(b.etat().XLogique, 50);  // one word space after the text
    EXPECT_EQ(LegendeOptionRepos(b.etat(), OptionRepos::LogiqueX), "Repositionnement  Logique : X = 50");
    EXPECT_EQ(LegendeOptionRepos(b.etat(), OptionRepos::AbsoluY), "Repositionnement  Absolu :   Y = 100");
    Banc n;  // the caption writes negative numbers without the leading space
    n.etat().TitreFenetre = QStringLiteral("T   "), n.etat().PosX = -5, n.etat().PosY = 12.5, n.etat().XSouris = 0;
    n.etat().YSouris = -1;
    AfficheEtat(*n.ctx);
    EXPECT_EQ(n.fenetre.Texte("frmEdit"), "T   Ecr.: X-5 Y 12.5   Souris: X 0 Y-1");
}

// OK takes the chosen candidates and imposes the position; Annuler restores the cursor. Neither
// leaves the mark.
TEST(Repositionnement, OkTakesTheChosenCandidatesAndCancelRestoresTheCursor) {
    BancRepos b;
    ChoisitOptionRepos(*b.ctx, OptionRepos::LogiqueX);
    EXPECT_EQ(b.etat().XSouris, 50);
    ValideRepositionnement(*b.ctx, true, false);
    FermeRepositionnement(*b.ctx);
    const EtatProgramme& e = b.etat();
    EXPECT_EQ(std::tuple(e.PosX, e.XDebutMot, e.PosY, e.XRepos, e.YRepos), std::tuple(50, 50, 100, 50, 100));
    EXPECT_EQ(std::tuple(e.PositionImposee, e.Repositionnement), std::tuple(true, false));
    EXPECT_EQ(b.Encre().size(), 1u);  // only the text is left
    BancRepos y;
    ChoisitOptionRepos(*y.ctx, OptionRepos::LogiqueY);
    ValideRepositionnement(*y.ctx, false, true);
    EXPECT_EQ(std::tuple(y.etat().PosX, y.etat().PosY, y.etat().YLigne), std::tuple(60, 114, 114));
    BancRepos a;
    ChoisitOptionRepos(*a.ctx, OptionRepos::LogiqueY);
    ChoisitOptionRepos(*a.ctx, OptionRepos::LogiqueX);
    AnnuleRepositionnement(*a.ctx);
    FermeRepositionnement(*a.ctx);
    EXPECT_EQ(std::tuple(a.etat().PosX, a.etat().PosY, a.etat().XRepos, a.etat().PositionImposee), std::tuple(190, 100, 190, false));
    EXPECT_EQ(a.Encre().size(), 1u);
    EXPECT_EQ(a.fenetre.Texte("frmEdit"), "Velmor   Ecr.: X 190 Y 100   Souris: X 190 Y 100");
}

TEST(Repositionnement, MarkUsesTheOptionColoursEvenInMulticolour) {
    BancRepos b(false);
    b.etat().TexteMulticolore = true;
    b.etat().CouleursMulticolores.fill(QStringLiteral("12345"));
    for (OptionRepos o : {OptionRepos::LogiqueX, OptionRepos::AbsoluY, OptionRepos::LogiqueY, OptionRepos::AbsoluX}) {
        ChoisitOptionRepos(*b.ctx, o);
        const auto encre = b.Encre();
        ASSERT_FALSE(encre.empty());
        EXPECT_EQ(b.Pixels(CouleurOptionRepos(o)), static_cast<int>(encre.size()));  // one mark, one colour
    }
}

TEST(Repositionnement, ZeroOrNegativeLineStepKeepsTheClickHeight) {
    for (double pas : {0.0, -38.0}) {
        BancLigne b;
        b.etat().PasLigne = pas, b.etat().PositionImposee = true;
        CliqueRepositionnement(*b.ctx, 60, 100);
        OuvreRepositionnement(*b.ctx);
        EXPECT_EQ(b.etat().YLogique, 100);
        ValideRepositionnement(*b.ctx, true, true);
        EXPECT_EQ(b.etat().PosY, 100);
    }
}

}  // namespace
