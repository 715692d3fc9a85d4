#include "drawing/Dessin.h"
#include "support/Banc.h"

#include <gtest/gtest.h>

namespace {

// 100,000 commands, with steps far beyond any picture: the pass ends, the pen comes back and
// nothing is drawn outside the surface.
TEST(CheminsHostiles, HundredThousandCommandsEndAndPutThePenBack) {
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
    // A path cut after its letter gets the message, once.
    Banc b(120, 80);
    double x = 60, y = 40;
    EXPECT_FALSE(Dessin(*b.ctx, QString("R1").repeated(100000) + "R", x, y, 1, 0, ""));
    EXPECT_EQ(b.fenetre.messages.size(), 1u);
}

}  // namespace
