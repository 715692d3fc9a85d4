// The data files shipped in data/: every syllable, digit and sign the program can be asked to draw
// has a glyph, every path of the tables runs without the path error, and the headers read right.
#include "base/Texte8Bits.h"
#include "config/ChargeTables.h"
#include "drawing/Dessin.h"
#include "drawing/Specimen.h"
#include "outputs/RapportMesures.h"
#include "support/Programme.h"
#include "transcription/Prononciation.h"

#include <QRegularExpression>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <tuple>

using testing::AllOf;
using testing::EndsWith;
using testing::Ge;
using testing::Le;
using testing::StartsWith;

namespace {

const QString kDonnees = QStringLiteral(VELMOR_PROGRAM_DATA);

// Every sign the transcriber codes, with the characters that reach the sign drawer.
const char kSignes[] = "!\"#&()+,-./:;<=>?@[\\]^`{}MA";

// The shipped tables alone, read into a bench.
struct Tables_ : Banc {
    Tables_() : Banc(400, 200, kDonnees) {
        QString texte;
        EXPECT_TRUE(LireFichier1252(kDonnees + QStringLiteral("/APABDIDS.TXT"), texte));
        LireTablesProgramme(*ctx, texte);
        EXPECT_TRUE(LireFichier1252(kDonnees + QStringLiteral("/Suffixes.TXT"), texte));
        LireSuffixes(*ctx, texte);
    }
    // Draws a path from `premier`; false when the path error was shown.
    bool Trace(const QString& chemin, int premier, const QString& nom) {
        const size_t avant = fenetre.messages.size();
        double x = 150, y = 120;
        Dessin(*ctx, chemin, x, y, premier, 0, QString());
        const bool ok = fenetre.messages.size() == avant;
        EXPECT_TRUE(ok) << nom.toStdString() << ": " << chemin.toStdString();
        return ok;
    }
};

bool ChiffreOuDegre(QChar c) { return c == u'°' || (c >= u'0' && c <= u'9'); }

TEST(TablesLivrees, MeasuredSyllablesDigitsAndSignsAreWrittenWithoutComplaint) {
    for (int ecriture : {0, 1}) {
        ProgrammeLivre p;
        p.etat().Ecriture = static_cast<int16_t>(ecriture);
        p.Ecrire(SyllabesRapport().join(u' ') + u' ');
        // Capital heads and their stacks: the stress rules make them from these.
        p.Ecrire(QStringLiteral("ab'a a'bha ab'ka ast'ra "));
        p.Ecrire(QStringLiteral("0123456789 9876543210 1 2 3 4 5 6 7 8 9 0 "));
        for (const char* s = kSignes; *s; ++s)
            if (*s != 'M' && *s != 'A') p.Ecrire(QStringLiteral("ba") + QChar::fromLatin1(*s) + u' ');
        p.Ecrire(QStringLiteral("`ba 'bo ... x ° § $ "));
        EXPECT_TRUE(p.Plaintes().isEmpty()) << p.Plaintes().join(u'\n').toStdString();
        EXPECT_FALSE(p.Encre().empty());
    }
}

TEST(TablesLivrees, EveryPathRunsWithoutTheErrorAndHeadersDrawNothing) {
    Tables_ b;
    const Tables& t = b.tables();
    int glyphes = 0;
    for (int l = 0; l < Tables::NbLettres; ++l)
        for (int f = 1; f < Tables::NbFormes; ++f)
            for (int c = 0; c < Tables::NbCouches; ++c) {
                const QString& e = t.TableGlyphes[l][f][c];
                if (e.isEmpty()) continue;
                b.Trace(e, c == 1 ? 1 : 2, QStringLiteral("glyph %1/%2/%3").arg(l).arg(f).arg(c));
                ++glyphes;
            }
    EXPECT_GT(glyphes, 500);
    int raccords = 0;
    for (int j = 0; j < Tables::NbLettres; ++j)
        for (int n = 0; n < 4; ++n)
            for (int s = 1; s < 10; ++s)
                if (!t.TableRaccords[j][n][s].isEmpty()) {
                    b.Trace(t.TableRaccords[j][n][s], 5, QStringLiteral("join"));
                    ++raccords;
                }
    EXPECT_EQ(raccords, 9 * 20 * 3);  // nine slots, twenty consonants, forms 1 to 3
    for (int i = 1; i < Tables::NbAmas; ++i)
        if (!t.TableAmas[i][0].isEmpty()) b.Trace(t.TableAmas[i][1], 2, t.TableAmas[i][0]);
    for (int d = 0; d <= 9; ++d) {
        ASSERT_FALSE(t.Chiffres[d].isEmpty()) << d;
        b.Trace(t.Chiffres[d], 15, QString::number(d));
    }
    for (const char* s = kSignes; *s; ++s) {
        const QString& e = t.TableSignes[static_cast<uchar>(*s) - 33];
        ASSERT_FALSE(e.isEmpty()) << *s;
        b.Trace(e, 2, QString(QChar::fromLatin1(*s)));
    }
    for (char16_t s : {u'°', u'ù', u'¤'}) {
        ASSERT_FALSE(t.TableSignes[Code1252(QChar(s)) - 33].isEmpty()) << Code1252(QChar(s));
        b.Trace(t.TableSignes[Code1252(QChar(s)) - 33], 2, QString(QChar(s)));
    }
    const EtatProgramme& e = b.etat();
    for (const QString& m : {e.CheminTILG, e.CheminTILD, e.MarqueFinVelmor, e.MarqueFinDorvane}) {
        EXPECT_FALSE(m.isEmpty());
        b.Trace(m, 1, QStringLiteral("mark"));
    }
    // Headers read as digit fields and draw nothing.
    for (int l = 0; l < Tables::NbLettres; ++l)
        for (int f = 1; f < Tables::NbFormes; ++f)
            for (int c : {0, 2, 3}) {
                const QString& e = t.TableGlyphes[l][f][c];
                if (e.isEmpty()) continue;
                const std::string nom = QStringLiteral("%1/%2/%3: ").arg(l).arg(f).arg(c).toStdString() + e.toStdString();
                ASSERT_GT(e.size(), 33) << nom;
                EXPECT_THAT(e[0].toLatin1(), AllOf(Ge('1'), Le('9'))) << nom;
                for (int p : {3, 4, 31, 32}) EXPECT_TRUE(ChiffreOuDegre(e[p - 1])) << p << " " << nom;
                for (int p : {5, 6, 7, 8, 9, 10, 13, 15, 16, 17, 18}) EXPECT_TRUE(e[p - 1].isDigit()) << p << " " << nom;
                b.surface.Effacer();
                b.Trace(e.left(33), 2, QStringLiteral("header"));
                EXPECT_TRUE(b.Encre().empty()) << nom;
            }
}

TEST(TablesLivrees, ClusterRangesDistinctGlyphsTumeliSuffixesAndDictionary) {
    Tables_ b;
    const Tables& t = b.tables();
    EXPECT_GT(b.etat().Blanc, 0);
    EXPECT_EQ(b.etat().ModeSon, 0);  // no batch file from a plain install
    // Four-component clusters first, then three, then two, each range right after the last.
    ASSERT_GT(t.FinAmas7, 0);
    EXPECT_EQ(std::tuple(t.DebutAmas5, t.DebutAmas3), std::tuple(t.FinAmas7 + 1, t.FinAmas5 + 1));
    EXPECT_GT(t.FinAmas3, t.DebutAmas3);
    for (int i = 1; i <= t.FinAmas3; ++i) {
        const int attendu = i <= t.FinAmas7 ? 7 : i <= t.FinAmas5 ? 5 : 3;
        EXPECT_EQ(t.TableAmas[i][0].size(), attendu) << i;
        EXPECT_EQ(t.TableAmas[i][1][0], u'7') << i;
    }
    // Distinct syllables draw distinct glyphs.
    int nombre = 0;
    const QStringList identiques = GlyphesIdentiques(*b.ctx, &nombre);
    EXPECT_GT(nombre, 500);
    // Only the bare "h" partner is reached three ways (alone, with a vowel group the script cannot
    // show, doubled): the same syllable, the same glyph.
    const QRegularExpression memeH(QStringLiteral("^([a-z])h = \\1h = \\1hh$"));
    for (const QString& g : identiques) EXPECT_TRUE(memeH.match(g).hasMatch()) << g.toStdString();
    // Tumeli suffixes and dictionary.
    b.etat().Langue = 0;
    for (const auto& [entier, debut, fin] : {std::tuple{"tamani", "tama_", "ni"}, {"soluvsu", "sol_", "uvzu"}, {"pena", "pena", "pena"},
                                             {"tamaar", "tamaar", "tamaar"}, {"tama", "tama", "tama"}, {"sol", "sol", "sol"}}) {
        QString mot = QString::fromLatin1(entier);
        SepareSuffixe(*b.ctx, mot);
        EXPECT_THAT(mot.toStdString(), AllOf(StartsWith(debut), EndsWith(fin)));
        if (QLatin1String(debut) == QLatin1String(entier)) EXPECT_EQ(mot, QLatin1String(entier));
    }
    // The dictionary: "word;spelling" lines, spellings in the alphabet (that each is written with
    // glyphs only: the shipped dictionaries test).
    QString texte;
    ASSERT_TRUE(LireFichier1252(kDonnees + QStringLiteral("/Fohms_TU.TXT"), texte));
    const QStringList lignes = texte.split(QRegularExpression(QStringLiteral("\r?\n")), Qt::SkipEmptyParts);
    const QRegularExpression valeur(QStringLiteral("^[a-z][a-z'_\\-]*\\*?$"));
    for (const QString& l : lignes) {
        const qsizetype pv = l.indexOf(u';');
        ASSERT_GT(pv, 0) << l.toStdString();
        EXPECT_TRUE(valeur.match(l.mid(pv + 1).trimmed()).hasMatch()) << l.toStdString();
    }
}

}  // namespace
