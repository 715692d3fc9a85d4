// The reader of unknown words and its user dictionary.
#include "app/LecteurInconnus.h"
#include "app/cli/ContexteConsole.h"
#include "support/Sortie.h"
#include "base/Texte8Bits.h"
#include "support/Fichiers.h"
#include "support/Banc.h"
#include "transcription/Prononciation.h"

#include <gmock/gmock.h>

using testing::StartsWith;

namespace {

struct BancLecteur {
    QTemporaryDir dir;
    Banc b{10, 10, dir.path()};
    BancLecteur() { BrancherLecteurInconnus(*b.ctx); }

    QString Prepare(const char* mot, int16_t langue) {
        b.etat().Langue = langue;
        QString w = QString::fromUtf8(mot);
        PrepareMot(*b.ctx, w);
        return w;
    }
    QString Lire(const QString& nom) {
        QString t;
        LireFichier1252(dir.filePath(nom), t);
        return t;
    }
    void Ecrire(const QString& nom, const QString& texte) { ASSERT_TRUE(EcrireFichier(dir.filePath(nom), Vers1252(texte))); }
};

TEST(LecteurInconnus, ReadsAnUnknownWordOnceAndKeepsItForTheUser) {
    if (!LecteurInconnusDisponible()) GTEST_SKIP() << "built without espeak-ng";
    BancLecteur l;
    l.Ecrire("Fohms_FR.TXT", "maison;mehzoy'\n");
    const QString posix = l.Prepare("posix,", 2);
    EXPECT_NE(posix, u"posix,");
    EXPECT_TRUE(posix.endsWith(u',')) << posix.toStdString();
    EXPECT_EQ(l.Lire("Fohms_Lus_EN.TXT"), QStringLiteral("posix;") + posix.chopped(1) + QStringLiteral("\r\n"));
    EXPECT_EQ(l.Prepare("Posix", 2), posix.chopped(1));        // consulted, not read again
    EXPECT_EQ(l.Lire("Fohms_Lus_EN.TXT").count(u'\n'), 1);
    // The user's correction, and a user entry before the shipped file.
    l.Ecrire("Fohms_Lus_EN.TXT", "posix;pohsihcs\r\n");
    EXPECT_EQ(l.Prepare("posix", 2), u"pohsihcs");
    l.Ecrire("Fohms_Lus_FR.TXT", "maison;mezo\r\n");
    EXPECT_EQ(l.Prepare("maison", 1), u"mezo");
    // French words are read in French; an h-word is read under its own spelling.
    EXPECT_NE(l.Prepare("zorglub", 1), u"zorglub");
    EXPECT_TRUE(l.Lire("Fohms_Lus_FR.TXT").contains(u"zorglub;")) << l.Lire("Fohms_Lus_FR.TXT").toStdString();
    l.Prepare("hzorg", 1);
    EXPECT_TRUE(l.Lire("Fohms_Lus_FR.TXT").contains(u"hzorg;"));
    // The generator's rules mend what espeak-ng's letter rules read wrong.
    EXPECT_EQ((std::tuple{l.Prepare("gneiss", 1), l.Prepare("paragraphs", 2).right(2)}), std::tuple(u"gnehs"_s, u"fs"_s));
    // Nothing to read: no letters, other languages.
    EXPECT_EQ((std::tuple{l.Prepare("2024", 2), l.Prepare("zorglub", 0), l.Prepare("zorglub", 3)}), std::tuple(u"2024"_s, u"zorglub"_s, u"zorglub"_s));
}

// The headless commands read as the editor does once the entry point hooks the reader, each in
// its own program folder, as if the reading were a dictionary's; "--sans-lecteur" gives the letters'
// reading back and writes nothing (it turns off the switch of the editor's menu entry: the user
// dictionary is not consulted either). No word of running text is left to its letters: quotes around a
// word (TeX's ``as'' and `stty'), a word of more than 40 letters (read in pieces, one stress mark),
// letters that are silent alone ("ent", the end of a French verb cut off by a line break).
TEST(LecteurInconnus, CommandLineReadsUnknownQuotedLongAndSilentWordsUnlessTurnedOff) {
    if (!LecteurInconnusDisponible()) GTEST_SKIP() << "built without espeak-ng";
    QTemporaryDir dir;
    ASSERT_TRUE(CopierTables(dir.path()));
    FixerBranchementConsoles(&BrancherLecteurInconnus);
    Sortie lu, sans, epele, fr, en;
    ASSERT_EQ(lu.Lancer({"syllabes", "diffutils", "--langue", "EN"}, dir.path()), 0);
    ASSERT_EQ(sans.Lancer({"syllabes", "diffutils", "--langue", "EN", "--sans-lecteur"}, dir.path()), 0);
    QString fichier;
    LireFichier1252(dir.filePath("Fohms_Lus_EN.TXT"), fichier);
    ASSERT_THAT(fichier.toStdString(), StartsWith("diffutils;"));
    ASSERT_EQ(fichier.count(u'\n'), 1);
    ASSERT_TRUE(EcrireFichier(dir.filePath("Fohms_EN.TXT"), Vers1252(fichier)));
    ASSERT_EQ(epele.Lancer({"syllabes", "diffutils", "--langue", "EN"}, dir.path()), 0);
    ASSERT_EQ(fr.Lancer({"prepare", "stty", "`stty''", "ent", "vrai", "\u00AB``vrai\u00BB", "chaine-des-d\u00E9pendances-pour-la-construction",
                         "--langue", "FR", "--", "--dereference-command-line-symlink-to-dir"}, dir.path()), 0);
    ASSERT_EQ(en.Lancer({"prepare", "as", "``as", "pneumonoultramicroscopicsilicovolcanoconiosis", "--langue", "EN"}, dir.path()), 0);
    FixerBranchementConsoles(nullptr);
    EXPECT_EQ(lu.out, epele.out);
    EXPECT_NE(lu.out, sans.out);
    EXPECT_EQ(sans.out, u"di.f.fu.ti.l.s\n");
    EXPECT_TRUE(LecteurInconnusActif());
    const QStringList f = fr.Lignes(), e = en.Lignes();
    ASSERT_TRUE(f.size() == 7 && e.size() == 3) << fr.out.toStdString() << en.out.toStdString();
    EXPECT_EQ((std::tuple{f[1], f[2], f[4], e[1]}), std::tuple(f[0], u"ay"_s, u"\u00AB"_s + f[3] + u"\u00BB"_s, e[0]));
    for (const QString& long_ : {f[5], f[6], e[2]})
        EXPECT_TRUE(long_.count(u'\'') == 1 && !long_.contains(u"tion") && !long_.contains(u"dir") && !long_.contains(u"osis"))
            << long_.toStdString();
}

}  // namespace
