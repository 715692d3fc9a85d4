#include "app/Demarrage.h"
#include "support/Fichiers.h"
#include "support/Banc.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(Demarrage, WithoutSettingsOrTables) {
    QTemporaryDir dir;
    ASSERT_TRUE(EcrireFichier(dir.filePath("_~EjgSaf12.BMP"), {}));
    Banc b(400, 300, dir.path());
    b.fenetre.textes["frmEdit"] = "Velmor";
    b.surface.FixerCouleurTrait(0xFF);
    b.surface.FixerLargeurTrait(4);
    Main(*b.ctx);
    const EtatProgramme& e = b.etat();
    // The pen set before start-up is reset to the defaults (the rest: the settings tests).
    EXPECT_EQ(b.surface.CouleurTrait(), 0u);
    EXPECT_EQ(b.surface.LargeurTrait(), 1);
    EXPECT_EQ(e.Ecriture, 0);
    EXPECT_EQ(e.Langue, 0);
    EXPECT_EQ(e.UniteHauteur, 12);
    EXPECT_EQ(e.StyleRemplissage, 1);
    EXPECT_EQ(e.PosX, 0);  // even though the first line was set up
    EXPECT_EQ(e.YLigne, 38);
    EXPECT_EQ(e.TitreFenetre, "Velmor   ");
    EXPECT_EQ(b.fenetre.textes["CmdScaqh"], "Velmor");
    EXPECT_EQ(b.fenetre.textes["CmdLihg"], "Tumeli");
    EXPECT_FALSE(QFile::exists(dir.filePath("_~EjgSaf12.BMP")));
    EXPECT_TRUE(b.fenetre.messages.empty());
}

}  // namespace
