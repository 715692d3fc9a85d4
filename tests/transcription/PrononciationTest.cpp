#include "config/ChargeTables.h"
#include "base/Texte8Bits.h"
#include "support/Fichiers.h"
#include "support/Banc.h"
#include "transcription/Dictionnaires.h"
#include "transcription/Prononciation.h"

#include "config/LecteurChamps.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

namespace {

// A bench whose program folder is a fresh temporary folder holding the given dictionaries.
struct BancDico {
    QTemporaryDir dir;
    Banc b{10, 10, dir.path()};

    void Ecrire(const QString& nom, const QString& texte) { ASSERT_TRUE(EcrireFichier(dir.filePath(nom), Vers1252(texte))); }
    QString Prepare(const QString& mot, int16_t langue = 1) {
        b.etat().Langue = langue;
        QString w = mot;
        PrepareMot(*b.ctx, w);
        return w;
    }
    QStringList Messages() const { return b.fenetre.Textes(); }
};

TEST(Dictionnaires, WholeWordLookupFallbackFileAndSoundMode) {
    BancDico d;
    d.Ecrire("Fohms_FR.TXT",
             "bonjour;X\n"
             "BonJour;second\n"          // a later entry of the same key never wins
             "salut ;Y\n"                // the key is not trimmed
             "merci;  grand  merci  \n"  // the value is
             "un;1,deux;2\n"             // a comma ends an entry
             "\"trois;3,4\"\n"           // unless the entry is quoted
             "   \n\n"
             "quatre;a;b\n"
             "Été;ete\n"
             "ÉcoleÉTÉàÇÈ-Œuvre;long\n");
    EXPECT_EQ(d.Prepare("Bonjour,"), "X,");
    EXPECT_EQ(d.Prepare("bONJOUR"), "X");
    EXPECT_EQ(d.Prepare("salut"), "salut");
    EXPECT_EQ(d.Prepare("merci!"), "grand  merci!");
    EXPECT_EQ(d.Prepare("deux"), "2");
    EXPECT_EQ(d.Prepare("trois"), "3,4");
    EXPECT_EQ(d.Prepare("quatre"), "a;b");
    EXPECT_EQ(d.Prepare("éTÉ."), "ete.");
    EXPECT_EQ(d.Prepare("écoleÉtéÀçè-œUVRE"), "long");
    EXPECT_EQ(d.Prepare("bonjours"), "bonjours");
    EXPECT_EQ(d.Prepare("bonjour", 2), "bonjour");  // English has its own file
    EXPECT_TRUE(d.Messages().isEmpty());
    // The fallback file and the sound mode.
    d.Ecrire("Fohms_FR.TXT", "chat;sha\n");
    d.Ecrire("Fohms_NP.TXT", "chat;commun\nparis;pari\n");
    d.Ecrire("Fohms_TU.TXT", "tolo;tulu\n");
    EXPECT_EQ(d.Prepare("chat"), "sha");
    EXPECT_EQ(d.Prepare("Paris"), "pari");
    EXPECT_EQ(d.Prepare("tolo", 0), "tulu");
    EXPECT_EQ(d.Prepare("paris", 0), "pari");
    EXPECT_EQ(d.Prepare("paris", 3), "paris");  // phonetic input looks nothing up
    d.b.etat().ModeSon = 2;
    EXPECT_EQ(d.Prepare("chat"), "commun");
    EXPECT_EQ(d.Prepare("tolo", 0), "tolo");
}

TEST(Dictionnaires, MissingChangedMalformedAndQuicklyEditedFiles) {
    BancDico d;
    EXPECT_EQ(d.Prepare("chat"), "chat");
    d.Ecrire("Fohms_FR.TXT", "chat;sha\noops\nchien;shien\n");
    EXPECT_EQ(d.Prepare("chat"), "sha");
    EXPECT_TRUE(d.Messages().isEmpty());  // a reading from the top stops before the bad line
    EXPECT_EQ(d.Prepare("chien"), "shien");
    EXPECT_EQ(d.Prepare("loup"), "loup");
    EXPECT_EQ(d.Prepare("chien"), "shien");
    EXPECT_EQ(d.Messages(), QStringList{"Erreur dans ''Fohms_FR.TXT'' : Ligne oops"});  // once per load

    d.Ecrire("Fohms_FR.TXT", "chat;minou\noops\n");
    EXPECT_EQ(d.Prepare("chat"), "minou");
    EXPECT_EQ(d.Prepare("loup"), "loup");
    EXPECT_EQ(d.Messages().size(), 2);

    // A file that is no dictionary at all gives a few messages, then stays quiet.
    QString bruit;
    for (int i = 0; i < 5000; ++i) bruit += QString(i % 50 + 1, QChar(u'x' + i % 3)) + u'\n';
    bruit += QString(100000, u'y');
    d.Ecrire("Fohms_EN.TXT", bruit);
    EXPECT_EQ(d.Prepare("chat", 2), "chat");
    EXPECT_EQ(d.Messages().size(), 12);
    EXPECT_EQ(d.Prepare("chien", 2), "chien");
    EXPECT_EQ(d.Messages().size(), 12);
    // Every edit is read before the next word, however fast they follow: rewritten in place at the
    // same size, replaced by a renamed file, removed and created again.
    for (int i = 0; i < 40; ++i) {
        const QString valeur = QString(QChar(u'a' + i % 26)) + QString::number(i / 26);
        d.Ecrire("Fohms_FR.TXT", "chat;" + valeur + "\n");
        ASSERT_EQ(d.Prepare("chat"), valeur) << i;
    }
    ASSERT_TRUE(EcrireFichier(d.dir.filePath("neuf.tmp"), "chat;minou\n"));
    QFile::remove(d.dir.filePath("Fohms_FR.TXT"));
    ASSERT_TRUE(QFile::rename(d.dir.filePath("neuf.tmp"), d.dir.filePath("Fohms_FR.TXT")));
    EXPECT_EQ(d.Prepare("chat"), "minou");
    QFile::remove(d.dir.filePath("Fohms_FR.TXT"));
    EXPECT_EQ(d.Prepare("chat"), "chat");
    d.Ecrire("Fohms_FR.TXT", "chat;matou\n");
    EXPECT_EQ(d.Prepare("chat"), "matou");
    d.Ecrire("Fohms_NP.TXT", "chien;toutou\n");  // the common file, first asked for after the start
    EXPECT_EQ(d.Prepare("chien"), "toutou");
    // A paste reads the announcements at its first word, and every word after it ends.
    d.Ecrire("Fohms_FR.TXT", "chat;greffier\n");
    {
        Dictionnaires::Passe passe(d.b.ctx->dictionnaires);
        EXPECT_EQ(d.Prepare("chat"), "greffier");
        EXPECT_EQ(d.Prepare("chat"), "greffier");
    }
    d.Ecrire("Fohms_FR.TXT", "chat;mistigri\n");
    EXPECT_EQ(d.Prepare("chat"), "mistigri");
}

// A lookup as its rules read: the file from the top, entry by entry, through the field reader.
std::optional<QString> LectureDepuisLeHaut(const QString& texte, const QString& mot, QStringList& defauts) {
    LecteurChamps l(texte);
    QString champ;
    while (l.Suivant(champ)) {
        if (QString(champ).remove(u' ').isEmpty()) continue;  // blank: spaces only
        const qsizetype pv = champ.indexOf(u';');
        if (pv < 0) {
            defauts << champ;
            continue;
        }
        if (champ.left(pv).toLower() == mot.toLower()) {
            QString v = champ.mid(pv + 1);
            while (v.startsWith(u' ')) v.remove(0, 1);
            while (v.endsWith(u' ')) v.chop(1);
            return v;
        }
    }
    return std::nullopt;
}

TEST(Dictionnaires, SameAnswersAsReadingFromTheTop) {
    std::mt19937 alea(11);
    const QString alphabet = QString::fromUtf8("aAbBéÉŠšŒœŸÿµ×ß;;,\"  \n\r\nxyzXYZ");
    for (int essai = 0; essai < 2000; ++essai) {
        QString texte;
        for (int i = alea() % 60; i > 0; --i) texte += alphabet[alea() % alphabet.size()];
        BancDico d;
        d.Ecrire("Fohms_FR.TXT", texte);
        // Every key of the file, and a few words that are none.
        QStringList mots = {"a", "AB", "x", ""};
        LecteurChamps l(texte);
        for (QString c; l.Suivant(c);)
            if (c.contains(u';')) mots << c.left(c.indexOf(u';'));
        for (const QString& mot : mots) {
            QStringList defauts;
            const auto attendu = LectureDepuisLeHaut(texte, mot, defauts);
            const auto r = d.b.ctx->dictionnaires.Chercher(*d.b.ctx, "Fohms_FR.TXT", mot);
            ASSERT_EQ(r.has_value(), attendu.has_value()) << qPrintable(texte) << " / " << qPrintable(mot);
            if (r) ASSERT_EQ(*r, *attendu) << qPrintable(texte);
        }
        // The malformed entries, each once and in file order.
        QStringList tous;
        LectureDepuisLeHaut(texte, QString(QChar(0x4E2D)), tous);
        QStringList attendus;
        for (const QString& t : tous.mid(0, 10)) attendus << "Erreur dans ''Fohms_FR.TXT'' : Ligne " + t;
        ASSERT_EQ(d.Messages(), attendus) << qPrintable(texte);
    }
}

TEST(PrepareMot, ApostrophesHyphensWordsHeldBackKeysAndHWords) {
    BancDico d;
    EXPECT_EQ(d.Prepare("l'ami"), "la'mi");
    EXPECT_EQ(d.Prepare("l\u2019ami"), "la'mi");  // the typographic apostrophe
    EXPECT_EQ(d.Prepare("l'heure"), "l'heure");
    EXPECT_EQ(d.Prepare("l'oeil"), "loe'il");
    EXPECT_EQ(d.Prepare("t'ahhx"), "tahh'x");
    EXPECT_EQ(d.Prepare("d'a'b'u"), "da''bu'");  // each apostrophe from where the last one went
    EXPECT_EQ(d.Prepare("'ami"), "'ami");
    EXPECT_EQ(d.Prepare("a'b"), "ab'");
    EXPECT_EQ(d.Prepare("a'b'c"), "abc'");
    EXPECT_EQ(d.Prepare("a-b"), "ab-k");
    EXPECT_EQ(d.Prepare("ab-"), "ab-k");
    EXPECT_EQ(d.Prepare("-"), "-");
    EXPECT_EQ(d.Prepare("ab-", 3), "ab-k");
    EXPECT_EQ(d.Prepare("l'ami", 3), "l'ami");
    QString long_;
    for (int i = 0; i < 50000; ++i) long_ += "l'ea";
    EXPECT_EQ(d.Prepare(long_).size(), long_.size());
    // Words held back by their entry.
    d.Ecrire("Fohms_FR.TXT", "de;de*\nla;*la\n");
    EXPECT_EQ(d.Prepare("de"), "");
    EXPECT_EQ(d.Prepare("la"), "");
    EXPECT_EQ(d.b.etat().MotsEnAttente, "de''la");
    EXPECT_EQ(d.Prepare("mer"), "de''lamer");
    EXPECT_EQ(d.b.etat().MotsEnAttente, "");
    EXPECT_EQ(d.Prepare("a*b", 3), "");
    EXPECT_EQ(d.Prepare("x", 3), "a'bx");

    // Keys are taken before apostrophes move. An h-word is looked up under its own spelling, then as
    // "ph..." (dictionaries written the old way); a ph-word never reaches the h-word's entry.
    BancDico k;
    k.Ecrire("Fohms_EN.TXT", "hone;ohn\nphone;foon\nphoney;fohni\nphomme;ohm\n");
    k.Ecrire("Fohms_FR.TXT", "l'ami;lami\nami;AMI\n");
    k.Ecrire("Fohms_TU.TXT", "ami;omi\n");
    EXPECT_EQ(k.Prepare("L'ami"), "lami");     // the key is taken before the apostrophe moves
    EXPECT_EQ(k.Prepare("'ami"), "AMI");       // a leading apostrophe is not part of the key
    EXPECT_EQ(k.Prepare("h'ami", 0), "fh'omi");
    EXPECT_EQ(k.Prepare("h'oko", 0), "''fhoko");
    EXPECT_EQ(k.Prepare("hone", 2), "ohn");
    EXPECT_EQ(k.Prepare("Hone", 2), "ohn");
    EXPECT_EQ(k.Prepare("phone", 2), "foon");
    EXPECT_EQ(k.Prepare("homme", 2), "ohm");          // old key
    EXPECT_EQ(k.Prepare("hilly,", 2), "philly,");     // no entry: written "ph..." as before
    EXPECT_EQ(k.Prepare("phoney", 2), "fohni");
    EXPECT_EQ(k.Prepare("hone", 3), "phone");         // phonetic input: only the rewrite
    EXPECT_EQ(k.Prepare("hone", 0), "hone");          // Tumeli keeps its "h"
}

// Suffix table, in its final order: zzes (entry 0, never tried), umes -> _umo, s, obo, i, ei, bo.
struct BancSuffixes {
    Banc b;
    BancSuffixes() { LireSuffixes(*b.ctx, "s\ni\nei\nobo\nbo\n*\num\nzz\n**\nes;o\n***\n"); }
    QString Separe(const QString& texte) {
        QString t = texte;
        SepareSuffixe(*b.ctx, t);
        return t;
    }
};

TEST(SepareSuffixe, CutsThatHappenAndThatMustNot) {
    BancSuffixes s;
    // A cut part is searched again as the whole piece, which shows as "__" (a word break later).
    EXPECT_EQ(s.Separe("tasus"), "tasu__s");
    EXPECT_EQ(s.Separe("kobo"), "ko__bo");            // "obo" leaves no vowel before it: next suffix
    EXPECT_EQ(s.Separe("kalumes"), "kal__umo");       // replaced ending
    EXPECT_EQ(s.Separe("tola_kebo"), "tola_ke__bo");  // the last part was long enough
    EXPECT_EQ(s.Separe("kebo_ta"), "ke_bo_ta");       // it was not
    EXPECT_EQ(s.Separe("-tasus--kobo-"), "tasu__s-ko__bo");
    EXPECT_EQ(s.Separe(" tasus !P!_kobo"), "tasu__s!P!_kobo");
    // No cut:
    EXPECT_EQ(s.Separe("tas"), "tas");      // one vowel
    EXPECT_EQ(s.Separe("taus"), "taus");    // two adjacent vowels and no third
    EXPECT_EQ(s.Separe("tokei"), "tokei");  // vowel suffix after a vowel stops the search
    EXPECT_EQ(s.Separe("TASUS"), "TASUS");  // exact case
    EXPECT_EQ(s.Separe("s"), "s");
    EXPECT_EQ(s.Separe(""), "");
    EXPECT_EQ(s.Separe("__"), "");
    s.b.etat().ModeSon = 2;
    EXPECT_EQ(s.Separe("tasus"), "tasus");
}

}  // namespace
