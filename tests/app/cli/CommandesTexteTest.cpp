#include "support/Fichiers.h"
#include "support/ImpressionQt.h"
#include "support/Sortie.h"
#include "base/Texte8Bits.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// One line per argument, through the normaliser in the language given (its cases: the normaliser
// tests); the script option places the marks. A missing word or language is misuse.
TEST(CommandeNormalise, OneLinePerArgumentInTheLanguageAndScriptGiven) {
    Sortie s, t, m;
    ASSERT_EQ(s.Lancer({"normalise", "a.+.+.+.b", "a.{.n.e", "--langue", "fr"}), 0);
    EXPECT_EQ(s.Lignes(), (QStringList{"a.+.b", "{.a.n.e"}));
    ASSERT_EQ(t.Lancer({"normalise", "a.{.n.e", "--langue", "TU"}), 0);
    EXPECT_EQ(std::tuple(t.Lignes(), t.err), std::tuple(QStringList{"{.=N.a.e"}, u""_s));
    ASSERT_EQ(m.Lancer({"normalise", "{.a.u.+.{.ta.ke.a", "--langue", "TU", "--ecriture", "0"}), 0);
    EXPECT_EQ(m.Lignes(), QStringList{"%od.+.{.a.u.+.%ev.+.ta.ke.a.{"});
    Sortie mauvais;  // bad options: status 2, nothing written
    EXPECT_EQ((std::tuple{mauvais.Lancer({"normalise", "a.b"}), mauvais.Lancer({"normalise", "a.b", "--langue", "DE"}),
                          mauvais.Lancer({"normalise", "a.b", "--langue", "FR", "--ecriture", "7"}), mauvais.Lancer({"prepare", "--langue", "FR"})}),
              std::tuple(2, 2, 2, 2));
    EXPECT_EQ(mauvais.out, u""_s);
}

TEST(CommandePrepare, PrintsTheExamplesOfTheWordPreparation) {
    QTemporaryDir dir;
    ASSERT_TRUE(EcrireFichier(dir.filePath("Fohms_FR.TXT"), Vers1252("bonjour;X\nde;de*\nhomme;ohm\n")));
    Sortie s;
    ASSERT_EQ(s.Lancer({"prepare", "Bonjour,", "l'ami", "l'heure", "a'b", "ab-", "de", "mer", "homme", "hors",
                        "--langue", "FR", "--dossier", dir.path()}), 0);
    EXPECT_EQ(s.Lignes(), (QStringList{"X,", "la'mi", "l'heure", "ab'", "ab-k", "", "de'mer", "ohm", "phors"}));
    ASSERT_TRUE(EcrireFichier(dir.filePath("Fohms_NP.TXT"), "bonjour;Y\n"));
    Sortie son;
    ASSERT_EQ(son.Lancer({"prepare", "bonjour", "--langue", "FR", "--son", "2"}, dir.path()), 0);
    EXPECT_EQ(son.Lignes(), QStringList{"Y"});
}

// The shipped dictionaries read the classes of words espeak-ng's letter rules get wrong as they are
// said: English plurals in -phs /s/, "one" /wʌn/, the weak /i/ of "area" (two syllables after the
// stress, not the vowel of "nearby"), a silent "t" before a plural /z/; French learned "gn" /ɡn/ and
// "ch" /k/, "s" after a prefix /s/, a borrowed "-er" /ɛʁ/.
TEST(CommandePrepare, ShippedDictionariesReadTheMendedClasses) {
    const QString donnees = QStringLiteral(VELMOR_PROGRAM_DATA);
    Sortie en, fr;
    ASSERT_EQ(en.Lancer({"prepare", "paragraphs", "epochs", "one", "someone", "area", "react", "nearby", "ballets", "--langue", "EN",
                         "--sans-lecteur"}, donnees), 0);
    EXPECT_EQ(en.Lignes(), (QStringList{"pa'rheogrhaafs", "eh'paocs", "waehn", "saeh'mwaehn", "ea'rhikeo", "rhika'ct", "niabai'",
                                        "ba'leiz"}));
    ASSERT_EQ(fr.Lancer({"prepare", "gneiss", "gnome", "lichen", "chianti", "asocial", "svelte", "poker", "rose", "--langue",
                         "FR", "--sans-lecteur"}, donnees), 0);
    EXPECT_EQ(fr.Lignes(), (QStringList{"gnehs", "gnohm", "liceh'n", "cjayti'", "asosja'l", "svehlt", "poceh'r", "roz"}));
}

}  // namespace
