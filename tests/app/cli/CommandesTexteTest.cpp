#include "support/Fichiers.h"
#include "support/Sortie.h"
#include "base/Texte8Bits.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(CommandeNormalise, OneLinePerArgumentInTheLanguageAndScriptGiven) {
    Sortie s;
    // One line per argument, through the normaliser (its cases: the normaliser tests).
    ASSERT_EQ(s.Lancer({"normalise", "a.+.+.+.b", "%.s.a.u.t", "ab.{.cd", "--langue", "fr"}), 0);
    EXPECT_EQ(s.Lignes(), (QStringList{"a.+.b", "%saut", "{.ab.cd"}));
    Sortie t;
    ASSERT_EQ(t.Lancer({"normalise", "a.{.n.e", "a.{.ne", "--langue", "TU"}), 0);
    EXPECT_EQ(t.Lignes(), (QStringList{"{.=N.a.e", "{.=N.ae"}));
    EXPECT_TRUE(t.err.isEmpty());

    // The script option places the marks.
    Sortie m;
    ASSERT_EQ(m.Lancer({"normalise", "{.a.u.+.{.ta.ke.a", "--langue", "TU", "--ecriture", "0"}), 0);
    EXPECT_EQ(m.Lignes(), QStringList{"%od.+.{.a.u.+.%ev.+.ta.ke.a.{"});
    Sortie d;
    ASSERT_EQ(d.Lancer({"normalise", "{.a.u", "--langue", "TU", "--ecriture", "1"}), 0);
    EXPECT_EQ(d.Lignes(), QStringList{"a.u.{"});
}

TEST(CommandePrepare, PrintsTheExamplesOfTheWordPreparation) {
    QTemporaryDir dir;
    ASSERT_TRUE(EcrireFichier(dir.filePath("Fohms_FR.TXT"), Vers1252("bonjour;X\nde;de*\nhomme;ohm\n")));
    Sortie s;
    ASSERT_EQ(s.Lancer({"prepare", "Bonjour,", "l'ami", "l'heure", "a'b", "ab-", "de", "mer", "homme", "hors",
                        "--langue", "FR", "--dossier", dir.path()}),
              0);
    EXPECT_EQ(s.Lignes(), (QStringList{"X,", "la'mi", "l'heure", "ab'", "ab-k", "", "de'mer", "ohm", "phors"}));

    ASSERT_TRUE(EcrireFichier(dir.filePath("Fohms_NP.TXT"), "bonjour;Y\n"));
    Sortie son;
    ASSERT_EQ(son.Lancer({"prepare", "bonjour", "--langue", "FR", "--son", "2"}, dir.path()), 0);
    EXPECT_EQ(son.Lignes(), QStringList{"Y"});
}

TEST(CommandesTexte, BadOptions) {
    Sortie s;
    EXPECT_EQ(s.Lancer({"normalise", "a.b"}), 2);
    EXPECT_EQ(s.Lancer({"normalise", "a.b", "--langue", "DE"}), 2);
    EXPECT_EQ(s.Lancer({"normalise", "a.b", "--langue", "FR", "--ecriture", "7"}), 2);
    EXPECT_EQ(s.Lancer({"prepare", "--langue", "FR"}), 2);
    EXPECT_TRUE(s.out.isEmpty());
}

}  // namespace
