#include "layout/LimiteDroite.h"
#include "support/BancLigne.h"

#include <gtest/gtest.h>

namespace {

TEST(ControleFinLigne, BreaksOnlyPastTheLimitAndWhenAllowed) {
    BancLigne b;
    b.fenetre.zoneTravail = QRect(0, 0, 300 * 15, 1000 * 15);
    b.etat().MargeLimite = 0, b.etat().PosX = 280;
    b.surface.Point(295, 94, 0);
    b.etat().SautPermis = true;
    ControleFinLigne(*b.ctx);
    EXPECT_EQ(b.etat().LimiteDroite, 300);
    EXPECT_EQ(b.etat().YLigne, 100);  // the text ends before the limit
    b.surface.Point(305, 94, 0);
    b.etat().SautPermis = false;
    ControleFinLigne(*b.ctx);
    EXPECT_EQ(b.etat().XFinGlyphe, 305);
    EXPECT_EQ(b.etat().YLigne, 100);  // not allowed
    b.etat().SautPermis = true;
    ControleFinLigne(*b.ctx);
    EXPECT_EQ(std::tuple(b.etat().YLigne, b.etat().PosX), std::tuple(138, 15));
}

}  // namespace
