#include "layout/ReduireImage.h"
#include "support/Banc.h"

#include <gtest/gtest.h>

namespace {

TEST(ReduireImage, KeepsTheDrawingAndAMargin) {
    Banc b(400, 300);
    b.surface.FixerCouleurTrait(0x0000FF);
    b.surface.Boite(10, 10, 50, 30);
    b.surface.Point(120, 5);
    EXPECT_EQ(ReduireImage(*b.ctx), QSize(136, 46));
    EXPECT_EQ(b.surface.Largeur(), 136);
    EXPECT_EQ(b.surface.Hauteur(), 46);
    EXPECT_EQ(b.surface.LirePixel(120, 5), 0x0000FF);
    ASSERT_EQ(b.fenetre.messages.size(), 2u);
    EXPECT_EQ(b.fenetre.messages[1].texte, QString("Réduction terminée.") + QChar(13) + "Taille en Pixels : C=136 x L=46");
}

TEST(ReduireImage, EmptyOrEdgeDrawingStaysWithinThePicture) {
    Banc b(200, 100);
    EXPECT_EQ(TailleReduite(b.surface, b.surface.CouleurFond(), 15), QSize(200, 100));
    b.surface.Point(199, 99, 0);
    EXPECT_EQ(TailleReduite(b.surface, b.surface.CouleurFond(), 15), QSize(200, 100));
}

}  // namespace
