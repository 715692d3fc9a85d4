#include "app/windows/FenetreRepos.h"
#include "layout/Repositionnement.h"
#include "support/BancLigne.h"

#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

// The cursor at (190, 100), a text pixel ending the line at x 40, a click at (60, 100). The dialog
// opens on the absolute options; closed by the title bar it acts as Annuler, OK takes the options.
TEST(FenetreRepos, OpeningStateThenCloseOrLogicalOptionsAndOk) {
    for (bool ok : {false, true}) {
        BancLigne b;
        b.surface.Point(40, 95, 0);
        b.etat().PositionImposee = true;
        CliqueRepositionnement(*b.ctx, 60, 100);
        FenetreRepos d(*b.ctx);
        EXPECT_EQ(std::tuple(d.OptAbsoluX->isChecked(), d.OptAbsoluY->isChecked()), std::tuple(true, true));
        EXPECT_EQ(d.OptAbsoluX->text(), "Repositionnement  Absolu :   X = 60");
        EXPECT_EQ(std::tuple(d.OptLogiqueY->text(), b.etat().Repositionnement), std::tuple(u"Repositionnement  Logique : Y = 114"_s, true));
        if (ok) {
            d.OptLogiqueX->click();
            d.OptLogiqueY->click();
            EXPECT_EQ(std::tuple(b.etat().XSouris, b.etat().YSouris), std::tuple(50, 114));
            d.CmdOK->click();
            EXPECT_EQ(d.result(), QDialog::Accepted);
        } else {
            d.reject();
        }
        EXPECT_FALSE(b.etat().Repositionnement);
        EXPECT_EQ(b.etat().PosX, ok ? 50 : 190);
        EXPECT_EQ(b.etat().PosY, ok ? 114 : 100);
        EXPECT_EQ(b.etat().PositionImposee, ok);
        EXPECT_EQ(b.Encre().size(), 1u);  // only the text is left
    }
}

}  // namespace
