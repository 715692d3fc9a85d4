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
    struct Cas {
        const char *mot, *attendu;
        int16_t langue = 1;
    };
    // Each word prepared in turn, in order: some leave words waiting for the next.
    void Verifier(std::initializer_list<Cas> cas) {
        for (const Cas& c : cas) EXPECT_EQ(Prepare(QString::fromUtf8(c.mot), c.langue), QString::fromUtf8(c.attendu)) << c.mot;
    }
};

TEST(Dictionnaires, WholeWordLookupFallbackFileAndSoundMode) {
    BancDico d;
    // The entries as the file reader cuts them: the test below against a reading from the top.
    d.Ecrire("Fohms_FR.TXT", "bonjour;X\nBonJour;second\nmerci;  grand  merci  \nÉté;ete\nÉcoleÉTÉàÇÈ-Œuvre;long\n");
    d.Verifier({{"Bonjour,", "X,"}, {"bONJOUR", "X"}, {"merci!", "grand  merci!"}, {"éTÉ.", "ete."}, {"écoleÉtéÀçè-œUVRE", "long"},
                {"bonjours", "bonjours"}, {"bonjour", "bonjour", 2}});  // English has its own file
    EXPECT_TRUE(d.Messages().isEmpty());
    // The fallback file and the sound mode.
    d.Ecrire("Fohms_FR.TXT", "chat;sha\n");
    d.Ecrire("Fohms_NP.TXT", "chat;commun\nparis;pari\n");
    d.Ecrire("Fohms_TU.TXT", "tolo;tulu\n");
    // Phonetic input looks nothing up; sound mode 2 reads the common file alone.
    d.Verifier({{"chat", "sha"}, {"Paris", "pari"}, {"tolo", "tulu", 0}, {"paris", "pari", 0}, {"paris", "paris", 3}});
    d.b.etat().ModeSon = 2;
    d.Verifier({{"chat", "commun"}, {"tolo", "tolo", 0}});
}

TEST(Dictionnaires, MissingChangedMalformedAndQuicklyEditedFiles) {
    BancDico d;
    EXPECT_EQ(d.Prepare("chat"), "chat");
    d.Ecrire("Fohms_FR.TXT", "chat;sha\noops\nchien;shien\n");
    EXPECT_EQ(d.Prepare("chat"), "sha");
    EXPECT_TRUE(d.Messages().isEmpty());  // a reading from the top stops before the bad line
    EXPECT_EQ((std::tuple{d.Prepare("chien"), d.Prepare("loup"), d.Prepare("chien")}), std::tuple(u"shien"_s, u"loup"_s, u"shien"_s));
    EXPECT_EQ(d.Messages(), QStringList{"Erreur dans ''Fohms_FR.TXT'' : Ligne oops"});  // once per load
    d.Ecrire("Fohms_FR.TXT", "chat;minou\noops\n");
    EXPECT_EQ((std::tuple{d.Prepare("chat"), d.Prepare("loup"), d.Messages().size()}), std::tuple(u"minou"_s, u"loup"_s, 2));
    // A file that is no dictionary at all gives a few messages, then stays quiet.
    QString bruit;
    for (int i = 0; i < 5000; ++i) bruit += QString(i % 50 + 1, QChar(u'x' + i % 3)) + u'\n';
    bruit += QString(100000, u'y');
    d.Ecrire("Fohms_EN.TXT", bruit);
    EXPECT_EQ((std::tuple{d.Prepare("chat", 2), d.Messages().size(), d.Prepare("chien", 2)}), std::tuple(u"chat"_s, 12, u"chien"_s));
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
        EXPECT_EQ((std::tuple{d.Prepare("chat"), d.Prepare("chat")}), std::tuple(u"greffier"_s, u"greffier"_s));
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
        // The malformed entries, each once and in file order, a line end in one shown as "\x0a".
        QStringList tous;
        LectureDepuisLeHaut(texte, QString(QChar(0x4E2D)), tous);
        QStringList attendus;
        for (const QString& t : tous.mid(0, 10)) attendus << "Erreur dans ''Fohms_FR.TXT'' : Ligne " + Affichable(t, 300);
        ASSERT_EQ(d.Messages(), attendus) << qPrintable(texte);
    }
}

TEST(PrepareMot, ApostrophesHyphensWordsHeldBackKeysAndHWords) {
    BancDico d;
    d.Verifier({{"l'ami", "la'mi"}, {"l\u2019ami", "la'mi"}, {"l'heure", "l'heure"}, {"l'oeil", "loe'il"},
                {"t'ahhx", "tahh'x"}, {"d'a'b'u", "da''bu'"},  // each apostrophe from where the last one went
                {"'ami", "'ami"}, {"a'b", "ab'"}, {"a'b'c", "abc'"}, {"a-b", "ab-k"}, {"ab-", "ab-k"}, {"-", "-"},
                {"ab-", "ab-k", 3}, {"l'ami", "l'ami", 3}});
    QString long_;
    for (int i = 0; i < 50000; ++i) long_ += "l'ea";
    EXPECT_EQ(d.Prepare(long_).size(), long_.size());
    // Words held back by their entry.
    d.Ecrire("Fohms_FR.TXT", "de;de*\nla;*la\n");
    d.Verifier({{"de", ""}, {"la", ""}});
    EXPECT_EQ(d.b.etat().MotsEnAttente, "de''la");
    d.Verifier({{"mer", "de''lamer"}});
    EXPECT_EQ(d.b.etat().MotsEnAttente, "");
    d.Verifier({{"a*b", "", 3}, {"x", "a'bx", 3}});
    // Keys are taken before apostrophes move. An h-word is looked up under its own spelling, then as
    // "ph..." in the dictionaries written the old way (no key with "h"); a ph-word never reaches the
    // h-word's entry, nor an h-word the ph-word's of a file with h keys.
    BancDico k;
    k.Ecrire("Fohms_EN.TXT", "hone;ohn\nphone;foon\nphoney;fohni\nphase;feiz\nphoral;X\n");
    k.Ecrire("Fohms_NP.TXT", "phomme;ohm\n");
    k.Ecrire("Fohms_FR.TXT", "l'ami;lami\nami;AMI\n");
    k.Ecrire("Fohms_TU.TXT", "ami;omi\n");
    k.Verifier({{"L'ami", "lami"},  // the key is taken before the apostrophe moves
                {"'ami", "AMI"},    // a leading apostrophe is not part of the key
                {"\u201Cami\u201D", "\u201CAMI\u201D"}, {"\u00ABami\u00A0\u00BB", "\u00ABAMI\u00A0\u00BB"},  // signs around
                {"ami\u2014ami", "AMI\u2014AMI"}, {"ami\u2014zut", "ami\u2014zut"},
                {"h'ami", "fh'omi", 0}, {"h'oko", "''fhoko", 0}, {"hone", "ohn", 2}, {"Hone", "ohn", 2},
                {"phone", "foon", 2}, {"homme", "ohm", 2},  // old key
                {"hase", "phase", 2}, {"phase", "feiz", 2}, {"horal", "phoral", 2},
                {"hilly,", "philly,", 2},                    // no entry: written "ph..." as before
                {"phoney", "fohni", 2}, {"hone", "phone", 3},  // phonetic input: only the rewrite
                {"hone", "hone", 0}});                         // Tumeli keeps its "h"
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
    const std::pair<const char*, const char*> cas[] = {
        // A cut part is searched again as the whole piece, which shows as "__" (a word break later).
        {"tasus", "tasu__s"}, {"kobo", "ko__bo"},  // "obo" leaves no vowel before it: next suffix
        {"kalumes", "kal__umo"},                   // replaced ending
        {"tola_kebo", "tola_ke__bo"},              // the last part was long enough
        {"kebo_ta", "ke_bo_ta"},                   // it was not
        {"-tasus--kobo-", "tasu__s-ko__bo"}, {" tasus !P!_kobo", "tasu__s!P!_kobo"},
        // No cut: one vowel; two adjacent vowels and no third; a vowel suffix after a vowel; exact case.
        {"tas", "tas"}, {"taus", "taus"}, {"tokei", "tokei"}, {"TASUS", "TASUS"}, {"s", "s"}, {"", ""}, {"__", ""},
    };
    for (const auto& [texte, attendu] : cas) EXPECT_EQ(s.Separe(texte), attendu) << texte;
    s.b.etat().ModeSon = 2;
    EXPECT_EQ(s.Separe("tasus"), "tasus");
}

}  // namespace
