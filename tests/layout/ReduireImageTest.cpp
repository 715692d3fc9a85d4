#include "layout/ReduireImage.h"
#include "support/Banc.h"

#include <gtest/gtest.h>

namespace {

TEST(ReduireImage, KeepsTheDrawingAndAMargin) {
    Banc b(400, 300);
    b.surface.FixerCouleurTrait(0x0000FF);
    b.surface.Boite(10, 10, 50, 30);
    b.surface.Point(120, 5);
    EXPECT_EQ((std::tuple{ReduireImage(*b.ctx), b.surface.Largeur(), b.surface.Hauteur()}), std::tuple(QSize(136, 46), 136, 46));
    EXPECT_EQ(b.surface.LirePixel(120, 5), 0x0000FF);
    ASSERT_EQ(b.fenetre.messages.size(), 2u);
    EXPECT_EQ(b.fenetre.messages[1].texte, QString("Réduction terminée.") + QChar(13) + "Taille en Pixels : C=136 x L=46");
    // An empty drawing, or one at the edge, stays within the picture.
    Banc c(200, 100);
    EXPECT_EQ(TailleReduite(c.surface, c.surface.CouleurFond(), 15), QSize(200, 100));
    c.surface.Point(199, 99, 0);
    EXPECT_EQ(TailleReduite(c.surface, c.surface.CouleurFond(), 15), QSize(200, 100));
}

}  // namespace
