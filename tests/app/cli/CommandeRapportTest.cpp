#include "support/Fichiers.h"
#include "support/Sortie.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(CommandeRapport, WritesTheReportIntoTheProgramFolder) {
    QTemporaryDir dossier;
    ASSERT_TRUE(CopierTables(dossier.path(), VELMOR_PROGRAM_DATA));
    Sortie s;
    const QString prefixe = dossier.filePath("feuille");
    ASSERT_EQ(s.Lancer({"rapport", "--images", prefixe}, dossier.path()), 0);
    EXPECT_EQ(LireFichier(dossier.filePath("Donnees.TXT")).count("TOUT:"), 97);
    EXPECT_EQ(std::tuple(QImage(prefixe + "1.png").isNull(), s.out.contains("97 syllabes")), std::tuple(false, true));
    // A folder where the file cannot be written: the command says so.
    QFile::remove(dossier.filePath("Donnees.TXT"));
    QDir(dossier.path()).mkdir("Donnees.TXT");
    EXPECT_EQ((std::tuple{s.Lancer({"rapport"}, dossier.path()), s.Lancer({"rapport", "extra"}, dossier.path())}), std::tuple(1, 2));
}

}  // namespace
