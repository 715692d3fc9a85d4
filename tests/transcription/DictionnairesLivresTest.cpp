// The pronunciation dictionaries shipped in data/: every entry is written through the transcriber
// as typed text would be (key looked up, value cut into syllables), and every syllable it gives
// has a glyph in the shipped tables.
#include "base/Texte8Bits.h"
#include "support/Programme.h"
#include "transcription/DessinSyllabes.h"
#include "transcription/Prononciation.h"

#include <QRegularExpression>
#include <QSet>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <utility>

using testing::AllOf;
using testing::Ne;
using testing::StartsWith;

namespace {

const QString kDonnees = QStringLiteral(VELMOR_PROGRAM_DATA);

// File, language, sound mode (2: the fallback alone is consulted), entries it must hold at least.
struct Dictionnaire {
    const char* fichier;
    int langue, modeSon, minimum;
};
constexpr Dictionnaire kDictionnaires[] = {
    {"Fohms_TU.TXT", 0, 0, 90}, {"Fohms_FR.TXT", 1, 0, 30000}, {"Fohms_EN.TXT", 2, 0, 25000}, {"Fohms_NP.TXT", 1, 2, 1000}};

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
        p.etat().Langue = static_cast<int16_t>(d.langue), p.etat().ModeSon = d.modeSon;
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
    p.etat().Langue = 3, p.etat().ModeSon = 0;
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
        p.etat().Langue = static_cast<int16_t>(langue), p.etat().Tampon = mot;
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
    // Words that must reach an entry, or be read through their parts.
    const std::pair<int, const char*> trouves[] = {
        {1, "peux-tu"}, {1, "dis-moi"}, {1, "c'est-à-dire"}, {1, "rendez-vous"}, {1, "jusqu'à"}, {1, "lorsqu'il"},
        {1, "puisqu'on"}, {1, "cœur"}, {1, "coeur"}, {1, "n'est-ce"}, {2, "don't"}, {2, "I'm"}, {2, "it's"},
        {2, "we're"}, {2, "John's"}, {2, "House"}, {1, "veuillez"}, {1, "mettez"}, {1, "lisez"}, {1, "écrivez"},
        {1, "ouvrez"}, {1, "devriez"}, {1, "devrions"}, {1, "virgules"}, {1, "compresser"}, {1, "initialiser"},
        {1, "accueillants"}, {1, "b"}, {1, "c"}, {1, "d"}, {1, "n"}, {1, "t"}, {2, "b"}, {2, "c"}, {2, "d"}, {2, "n"}, {2, "t"},
    };
    for (const auto& [langue, mot] : trouves) EXPECT_NE(prepare(langue, QString::fromUtf8(mot)), QString::fromUtf8(mot)) << mot;
    // An elided h-word reaches its entry as the word alone does.
    p.etat().Langue = 1;
    const QStringList homme = MotsATracer(*p.ctx, QStringLiteral("homme"));
    EXPECT_EQ(u'l' + homme.join(u' ').toLower(), MotsATracer(*p.ctx, QStringLiteral("l'homme")).join(u' ').toLower());
    // Readings that were wrong or missing: h-words apart from ph-words, possessives, the BATH vowel,
    // French "k", "gn", single letters, inflected forms, and forms read through their parts.
    for (const auto& [ph, h] : {std::pair{"phoned", "honed"}, {"phoning", "honing"}, {"phoney", "honey"},
                                {"Phelps", "helps"}, {"Philly", "hilly"}, {"phone", "hone"}})
        EXPECT_NE(prepare(2, ph), prepare(2, h)) << ph;
    EXPECT_THAT(prepare(2, "hone").toStdString(), AllOf(StartsWith("ph"), Ne("phone")));
    // Possessives, through the word when not an entry ("Smith's").
    for (const auto& [mot, fin] : {std::pair{"academic's", "cs"}, {"cat's", "ts"}, {"dog's", "z"}, {"church's", "ihz"},
                                   {"Smith's", "ths"}})
        EXPECT_TRUE(prepare(2, mot).endsWith(QLatin1String(fin))) << mot;
    for (const char* bath : {"bath", "dance", "answer", "laugh", "half", "rather", "calf", "path"})
        EXPECT_TRUE(prepare(2, bath).contains(u"aa")) << bath << ' ' << prepare(2, bath).toStdString();
    EXPECT_FALSE(prepare(1, "coke").contains(u's')) << prepare(1, "coke").toStdString();
    EXPECT_TRUE(prepare(1, "whisky").contains(u"sc")) << prepare(1, "whisky").toStdString();
    for (const char* gn : {"montagne", "signer", "gagner", "agneau", "ignorer", "cognac"}) {
        EXPECT_TRUE(prepare(1, gn).contains(u"nh")) << gn;
        EXPECT_FALSE(prepare(1, gn).contains(u"nj")) << gn;
    }
    EXPECT_EQ((std::tuple{prepare(1, "fils"), prepare(1, "porc")}), std::tuple(u"fis"_s, u"pohr"_s));
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
    EXPECT_FALSE(prepare(2, "peer-to-peer").contains(u'-')) << prepare(2, "peer-to-peer").toStdString();
    EXPECT_NE(prepare(2, "peer-to-peer"), u"peer-to-peerk");
}

}  // namespace
