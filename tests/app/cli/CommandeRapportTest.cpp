#include "app/cli/Commandes.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(CommandeRapport, WritesTheReportIntoTheProgramFolder) {
    QTemporaryDir dossier;
    for (const char* f : {"APABDIDS.TXT", "Suffixes.TXT"})
        QFile::copy(QStringLiteral(VELMOR_PROGRAM_DATA "/") + f, dossier.filePath(f));
    QString out, err;
    QTextStream so(&out), se(&err);
    const QString prefixe = dossier.filePath("feuille");
    ASSERT_EQ(ExecuterSousCommande({"rapport", "--images", prefixe}, dossier.path(), so, se), 0);
    QFile f(dossier.filePath("Donnees.TXT"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll().count("TOUT:"), 97);
    EXPECT_FALSE(QImage(prefixe + "1.png").isNull());
    so.flush();
    EXPECT_TRUE(out.contains("97 syllabes"));
    // A folder where the file cannot be written: the command says so.
    QFile::remove(dossier.filePath("Donnees.TXT"));
    QDir(dossier.path()).mkdir("Donnees.TXT");
    EXPECT_EQ(ExecuterSousCommande({"rapport"}, dossier.path(), so, se), 1);
    EXPECT_EQ(ExecuterSousCommande({"rapport", "extra"}, dossier.path(), so, se), 2);
}

}  // namespace
