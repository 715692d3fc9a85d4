// The pronunciation dictionaries shipped in data/: every entry is written through the transcriber
// as typed text would be (key looked up, value cut into syllables), and every syllable it gives
// has a glyph in the shipped tables.
#include "base/Texte8Bits.h"
#include "support/Programme.h"
#include "transcription/DessinSyllabes.h"
#include "transcription/Prononciation.h"

#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>
#include <utility>

namespace {

const QString kDonnees = QStringLiteral(VELMOR_PROGRAM_DATA);

struct Dictionnaire {
    const char* fichier;
    int langue;
    int modeSon;  // 2: the fallback alone is consulted
    int minimum;  // entries the file must hold at least
};
constexpr Dictionnaire kDictionnaires[] = {
    {"Fohms_TU.TXT", 0, 0, 90},
    {"Fohms_FR.TXT", 1, 0, 30000},
    {"Fohms_EN.TXT", 2, 0, 25000},
    {"Fohms_NP.TXT", 1, 2, 1000},
};

QStringList Cles(const QString& fichier) {
    QString texte;
    EXPECT_TRUE(LireFichier1252(kDonnees + u'/' + fichier, texte)) << fichier.toStdString();
    QStringList cles;
    for (const QString& l : texte.split(QRegularExpression(QStringLiteral("\r?\n")), Qt::SkipEmptyParts))
        cles << l.left(l.indexOf(u';'));
    return cles;
}

bool ConsonneSeule(const QString& s) {
    static const QRegularExpression re(QStringLiteral("^[b-df-hj-np-tv-xz][hk]?$"));
    return re.match(s).hasMatch();
}

// A word's syllables as the drawer meets them, in the pieces whose glyphs do not depend on each
// other: a capital consonant with the bare consonants stacked under it, or one syllable.
void Morceaux(const QString& mot, QSet<QStringList>& morceaux) {
    const QStringList s = DecomposerSyllabes(mot.split(u'.', Qt::SkipEmptyParts));
    for (qsizetype i = 0; i < s.size();) {
        QStringList m{s[i++]};
        const QString tete = m[0].startsWith(u'=') ? m[0].mid(1) : m[0];
        if (!tete.isEmpty() && tete[0] >= u'B' && tete[0] <= u'Z')
            while (i < s.size() && ConsonneSeule(s[i])) m << s[i++];
        morceaux.insert(m);
    }
}

TEST(DictionnairesLivres, EveryValueIsWrittenWithGlyphsOnly) {
    ProgrammeLivre p(4000, 400);
    QSet<QStringList> morceaux;
    QHash<QStringList, QString> origine;  // a key that gave the piece, for the failure message
    for (const Dictionnaire& d : kDictionnaires) {
        const QStringList cles = Cles(QString::fromLatin1(d.fichier));
        EXPECT_GE(cles.size(), d.minimum) << d.fichier;
        p.etat().Langue = static_cast<int16_t>(d.langue);
        p.etat().ModeSon = d.modeSon;
        for (const QString& cle : cles) {
            for (const QString& mot : MotsATracer(*p.ctx, cle)) {
                QSet<QStringList> nouveaux;
                Morceaux(mot, nouveaux);
                for (const QStringList& m : nouveaux)
                    if (!morceaux.contains(m)) {
                        morceaux.insert(m);
                        origine.insert(m, QString::fromLatin1(d.fichier) + QStringLiteral(": ") + cle + QStringLiteral(" -> ") + mot);
                    }
            }
        }
        EXPECT_TRUE(p.etat().MotsEnAttente.isEmpty()) << d.fichier;
        p.etat().MotsEnAttente.clear();
    }
    p.etat().Langue = 3;
    p.etat().ModeSon = 0;
    EXPECT_GT(morceaux.size(), 500);

    QStringList fautes;
    for (const QStringList& m : std::as_const(morceaux)) {
        p.etat().MessagesManquants.clear();
        p.fenetre.messages.clear();
        p.etat().PosX = p.etat().MargeGauche + 100;
        DessinerSyllabes(*p.ctx, m);
        if (!p.etat().MessagesManquants.trimmed().isEmpty() || !p.fenetre.messages.empty())
            fautes << origine.value(m) + QStringLiteral("  [") + m.join(u'.') + u']';
    }
    fautes.sort();
    EXPECT_TRUE(fautes.isEmpty()) << fautes.size() << " pieces without a glyph, such as:\n"
                                  << fautes.mid(0, 40).join(u'\n').toStdString();
}

// The words of running text reach their entries: capitals, the typographic apostrophe, a
// leading "h", elisions, hyphens, contractions and a trailing sign.
TEST(DictionnairesLivres, RunningTextFindsItsEntriesAndNamedWordsReadRight) {
    ProgrammeLivre p(4000, 400);
    auto prepare = [&](int langue, const QString& mot) {
        p.etat().Langue = static_cast<int16_t>(langue);
        p.etat().Tampon = mot;
        PrepareMot(*p.ctx, p.etat().Tampon);
        return p.etat().Tampon;
    };
    const QString ami = prepare(1, QStringLiteral("ami"));
    EXPECT_NE(ami, u"ami");
    EXPECT_EQ(prepare(1, QStringLiteral("l'ami")), u'l' + ami);
    EXPECT_EQ(prepare(1, QStringLiteral("L’ami,")), u'l' + ami + u',');
    EXPECT_EQ(prepare(1, QStringLiteral("qu’il")), prepare(1, QStringLiteral("qu'il")));
    EXPECT_EQ(prepare(1, QStringLiteral("homme")), prepare(1, QStringLiteral("Homme")));
    EXPECT_NE(prepare(1, QStringLiteral("homme")), u"phomme");
    for (const char* fr : {"peux-tu", "dis-moi", "c'est-à-dire", "rendez-vous", "jusqu'à", "lorsqu'il", "puisqu'on",
                           "cœur", "coeur", "n'est-ce"}) {
        const QString mot = QString::fromUtf8(fr);
        EXPECT_NE(prepare(1, mot), mot) << fr;
    }
    for (const char* en : {"don't", "I'm", "it's", "we're", "John's", "House"}) {
        const QString mot = QString::fromUtf8(en);
        EXPECT_NE(prepare(2, mot), mot) << en;
    }
    // A word that begins with "h" reaches its entry in either case.
    p.etat().Langue = 1;
    const QStringList homme = MotsATracer(*p.ctx, QStringLiteral("homme"));
    EXPECT_EQ(homme, MotsATracer(*p.ctx, QStringLiteral("Homme")));
    EXPECT_EQ(u'l' + homme.join(u' ').toLower(), MotsATracer(*p.ctx, QStringLiteral("l'homme")).join(u' ').toLower());
    // Readings that were wrong or missing: h-words apart from ph-words, possessives, the BATH vowel,
    // French "k", "gn", single letters, inflected forms, and forms read through their parts.
    for (const auto& [ph, h] : {std::pair{"phoned", "honed"}, {"phoning", "honing"}, {"phoney", "honey"},
                                {"Phelps", "helps"}, {"Philly", "hilly"}, {"phone", "hone"}})
        EXPECT_NE(prepare(2, ph), prepare(2, h)) << ph;
    EXPECT_TRUE(prepare(2, "hone").startsWith(u"ph") && prepare(2, "hone") != u"phone");

    EXPECT_TRUE(prepare(2, "academic's").endsWith(u"cs"));
    EXPECT_TRUE(prepare(2, "cat's").endsWith(u"ts"));
    EXPECT_TRUE(prepare(2, "dog's").endsWith(u'z'));
    EXPECT_TRUE(prepare(2, "church's").endsWith(u"ihz"));
    EXPECT_TRUE(prepare(2, "Smith's").endsWith(u"ths"));  // through the word when not an entry
    for (const char* bath : {"bath", "dance", "answer", "laugh", "half", "rather", "calf", "path"})
        EXPECT_TRUE(prepare(2, bath).contains(u"aa")) << bath << ' ' << prepare(2, bath).toStdString();

    EXPECT_FALSE(prepare(1, "coke").contains(u's'));
    EXPECT_TRUE(prepare(1, "whisky").contains(u"sc"));
    for (const char* gn : {"montagne", "signer", "gagner", "agneau", "ignorer", "cognac"}) {
        EXPECT_TRUE(prepare(1, gn).contains(u"nh")) << gn;
        EXPECT_FALSE(prepare(1, gn).contains(u"nj")) << gn;
    }
    EXPECT_EQ(prepare(1, "fils"), u"fis");
    EXPECT_EQ(prepare(1, "porc"), u"pohr");

    for (const char* lettre : {"b", "c", "d", "n", "t"}) {
        EXPECT_NE(prepare(1, lettre), QString::fromUtf8(lettre));
        EXPECT_NE(prepare(2, lettre), QString::fromUtf8(lettre));
    }
    for (const char* fr : {"veuillez", "mettez", "lisez", "écrivez", "ouvrez", "devriez", "devrions", "virgules",
                           "compresser", "initialiser", "accueillants"})
        EXPECT_NE(prepare(1, fr), QString::fromUtf8(fr)) << fr;
    // Read through their parts, with one stress mark at most.
    auto parties = [&](int langue, const char* mot, const QString& attendu) {
        QString r = prepare(langue, mot);
        EXPECT_LE(r.count(u'\''), 1) << mot;
        EXPECT_EQ(r.remove(u'\''), QString(attendu).remove(u'\'')) << mot;
    };
    parties(1, "deux-points", prepare(1, "deux") + prepare(1, "points"));
    parties(1, "en-têtes", prepare(1, "en") + prepare(1, "têtes"));
    parties(2, "non-free", prepare(2, "non") + prepare(2, "free"));
    EXPECT_EQ(prepare(1, "t'écris"), u't' + prepare(1, "écris"));
    EXPECT_FALSE(prepare(2, "peer-to-peer").contains(u'-'));
    EXPECT_NE(prepare(2, "peer-to-peer"), u"peer-to-peerk");
}

}  // namespace
