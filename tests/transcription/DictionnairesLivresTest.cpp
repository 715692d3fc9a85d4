// The pronunciation dictionaries shipped in data/: every entry is written through the transcriber
// as typed text would be (key looked up, value cut into syllables), and every syllable it gives
// has a glyph in the shipped tables.
#include "app/Demarrage.h"
#include "base/Texte8Bits.h"
#include "support/Banc.h"
#include "transcription/DessinSyllabes.h"
#include "transcription/Prononciation.h"
#include "transcription/Transcrire.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

const QString kDonnees = QStringLiteral(VELMOR_PROGRAM_DATA);

// A copy of the shipped data folder (start-up writes its settings there).
struct Copie {
    Copie() {
        for (const QString& f : QDir(kDonnees).entryList(QDir::Files)) QFile::copy(kDonnees + u'/' + f, dossier.filePath(f));
    }
    QTemporaryDir dossier;
};

// The program started on that copy.
struct Programme : Copie, Banc {
    Programme() : Banc(4000, 400, dossier.path()) {
        Main(*ctx);
        etat().Relief = false;
        etat().ProfondeurRelief = 0;
    }
};

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
    Programme p;
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
TEST(DictionnairesLivres, RunningTextFindsItsEntries) {
    Programme p;
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
    EXPECT_EQ(prepare(1, QStringLiteral("phomme")), prepare(1, QStringLiteral("Phomme")));
    for (const char* fr : {"peux-tu", "dis-moi", "c'est-à-dire", "rendez-vous", "jusqu'à", "lorsqu'il", "puisqu'on",
                           "cœur", "coeur", "n'est-ce"}) {
        const QString mot = QString::fromUtf8(fr);
        EXPECT_NE(prepare(1, mot), mot) << fr;
    }
    for (const char* en : {"don't", "I'm", "it's", "we're", "John's", "Phouse"}) {
        const QString mot = QString::fromUtf8(en);
        EXPECT_NE(prepare(2, mot), mot) << en;
    }
    // A word that begins with "h" reaches the lookup as "ph...", in either case.
    p.etat().Langue = 1;
    const QStringList homme = MotsATracer(*p.ctx, QStringLiteral("homme"));
    EXPECT_EQ(homme, MotsATracer(*p.ctx, QStringLiteral("Homme")));
    EXPECT_EQ(u'l' + homme.join(u' ').toLower(), MotsATracer(*p.ctx, QStringLiteral("l'homme")).join(u' ').toLower());
}

}  // namespace
