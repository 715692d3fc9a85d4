#include "app/ContexteProgramme.h"
#include "app/Demarrage.h"
#include "app/windows/FenetrePrincipale.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(FenetrePrincipale, StartsOverAFreshSurface) {
    QTemporaryDir dossier;
    Surface surface(800, 600);
    FenetrePrincipale fenetre(surface);
    HorlogeMuette horloge;
    ContexteProgramme ctx(surface, fenetre, horloge, dossier.path());
    Main(ctx);
    fenetre.Relier(ctx);
    fenetre.show();
    EXPECT_EQ(ctx.etat.Taille, 1);
    EXPECT_TRUE(fenetre.isVisible());
}

}  // namespace
