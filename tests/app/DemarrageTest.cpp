#include "app/Demarrage.h"
#include "support/Fichiers.h"
#include "support/Banc.h"

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
    EXPECT_EQ(std::tuple(b.surface.CouleurTrait(), b.surface.LargeurTrait(), e.Ecriture, e.Langue, e.UniteHauteur, e.StyleRemplissage),
              std::tuple(0u, 1, 0, 0, 12, 1));
    EXPECT_EQ(e.PosX, 0);  // even though the first line was set up
    EXPECT_EQ(std::tuple(e.YLigne, e.TitreFenetre, b.fenetre.textes["CmdScaqh"], b.fenetre.textes["CmdLihg"], QFile::exists(dir.filePath("_~EjgSaf12.BMP"))),
              std::tuple(38, u"Velmor   "_s, u"Velmor"_s, u"Tumeli"_s, false));
    // No settings is no fault; no tables is said, naming the file.
    ASSERT_EQ(b.fenetre.messages.size(), 1u);
    EXPECT_EQ(b.fenetre.messages[0].texte,
              "Impossible de lire les tables des glyphes :\r" + QDir::toNativeSeparators(dir.filePath("APABDIDS.TXT")));
}

}  // namespace
