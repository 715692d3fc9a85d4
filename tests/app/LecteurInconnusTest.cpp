// The reader of unknown words and its user dictionary.
#include "app/LecteurInconnus.h"
#include "base/Texte8Bits.h"
#include "support/Fichiers.h"
#include "support/Banc.h"
#include "transcription/Prononciation.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct BancLecteur {
    QTemporaryDir dir;
    Banc b{10, 10, dir.path()};
    BancLecteur() { BrancherLecteurInconnus(*b.ctx); }
    ~BancLecteur() { ActiverLecteurInconnus(true); }

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
    // Nothing to read: no letters, other languages.
    EXPECT_EQ((std::tuple{l.Prepare("2024", 2), l.Prepare("zorglub", 0)}), std::tuple(u"2024"_s, u"zorglub"_s));
    EXPECT_EQ(l.Prepare("zorglub", 3), u"zorglub");
}

TEST(LecteurInconnus, OffMeansNeitherReadNorConsulted) {
    BancLecteur l;
    l.Ecrire("Fohms_Lus_EN.TXT", "posix;pohsihcs\r\n");
    ActiverLecteurInconnus(false);
    EXPECT_EQ((std::tuple{l.Prepare("posix", 2), l.Prepare("diff", 2)}), std::tuple(u"posix"_s, u"diff"_s));
    EXPECT_EQ(l.Lire("Fohms_Lus_EN.TXT"), u"posix;pohsihcs\r\n");
}

}  // namespace
