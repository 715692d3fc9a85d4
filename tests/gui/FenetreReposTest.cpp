#include "app/windows/FenetreRepos.h"
#include "layout/Repositionnement.h"
#include "support/BancLigne.h"

#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

// The cursor at (190, 100), a text pixel ending the line at x 40, a click at (60, 100).
struct BancDialogue : BancLigne {
    BancDialogue() {
        surface.Point(40, 95, 0);
        etat().PositionImposee = true;
        CliqueRepositionnement(*ctx, 60, 100);
    }
};

TEST(FenetreRepos, CaptionsToolTipsAndTheOpeningState) {
    BancDialogue b;
    FenetreRepos d(*b.ctx);
    EXPECT_EQ(d.windowTitle(), "  X  &  Y");
    EXPECT_EQ(d.CmdAnnule->text(), "Annuler");
    EXPECT_EQ(d.OptLogiqueX->toolTip(), "X Logique : Après la lettre la plus proche, sinon en début de ligne...");
    EXPECT_EQ(d.OptAbsoluX->toolTip(), "X Absolu: Où se trouve la souris.");
    EXPECT_EQ(d.OptAbsoluY->toolTip(), "Y Absolu : Où se trouve la souris.");
    EXPECT_EQ(d.OptLogiqueY->toolTip(), "Y Logique : Sur la ligne la + proche.");
    EXPECT_TRUE(d.OptAbsoluX->isChecked());
    EXPECT_TRUE(d.OptAbsoluY->isChecked());
    EXPECT_EQ(d.OptAbsoluX->text(), "Repositionnement  Absolu :   X = 60");
    EXPECT_EQ(d.OptLogiqueX->text(), "Repositionnement  Logique : X = 50");
    EXPECT_EQ(d.OptLogiqueY->text(), "Repositionnement  Logique : Y = 114");
    EXPECT_TRUE(b.etat().Repositionnement);
    d.reject();  // closed by the title bar: as Annuler
    EXPECT_FALSE(b.etat().Repositionnement);
    EXPECT_EQ(b.etat().PosX, 190);
    EXPECT_EQ(b.Encre().size(), 1u);
}

TEST(FenetreRepos, LogicalOptionsThenOk) {
    BancDialogue b;
    FenetreRepos d(*b.ctx);
    d.OptLogiqueX->click();
    d.OptLogiqueY->click();
    EXPECT_EQ(b.etat().XSouris, 50);
    EXPECT_EQ(b.etat().YSouris, 114);
    d.CmdOK->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(b.etat().PosX, 50);
    EXPECT_EQ(b.etat().PosY, 114);
    EXPECT_TRUE(b.etat().PositionImposee);
    EXPECT_EQ(b.Encre().size(), 1u);
}

}  // namespace
