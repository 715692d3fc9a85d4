// The pronunciation batch: the lines of both modes, names safe for the command interpreter, and the
// file kept open from start-up with every line on disk at once.
#include "outputs/LotPrononciation.h"
#include "outputs/RapportMesures.h"
#include "support/Fichiers.h"
#include "support/ImpressionQt.h"
#include "support/Programme.h"

#include <QFile>
#include <QRegularExpression>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::IsSupersetOf;

namespace {

// A copy of the test tables with "FON=<mode>".
struct TablesSon {
    explicit TablesSon(int mode) {
        QFile source(VELMOR_TEST_DATA "/tables/APABDIDS.TXT");
        EXPECT_TRUE(source.open(QIODevice::ReadOnly));
        EXPECT_TRUE(EcrireFichier(dossier.filePath("APABDIDS.TXT"), source.readAll().replace("\nFON=0", "\nFON=" + QByteArray::number(mode))));
        QFile::copy(VELMOR_TEST_DATA "/tables/Suffixes.TXT", dossier.filePath("Suffixes.TXT"));
    }
    QTemporaryDir dossier;
};

// The program started on them, phonetic input.
struct BancSon : TablesSon, Programme {
    explicit BancSon(int mode) : TablesSon(mode), Programme(dossier.path()) {}
    // What is on disk now, while the program still holds the file open.
    QByteArray Fichier() const {
        QFile f(dossier.filePath("FON.bat"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
    }
};

TEST(LotPrononciation, ModeTwoWritesTheCommentAndTheCommandOfEachWord) {
    BancSon s(2);
    EXPECT_EQ(s.Fichier(), "");  // created empty at start-up
    s.Ecrire("bato");
    EXPECT_EQ(s.Fichier(), "REM :  bato\r\n"
                           "COPY ba.MP3 /B + to.MP3 /B + Sig0.MP3 /B  C:\\kestr\\Fohms\\MOTS\\bato.MP3 /B\r\n");
    s.Ecrire("'bato!");
    s.Ecrire("?!");  // signs only: nothing
    s.Ecrire("123");
    EXPECT_EQ(std::tuple(s.Fichier().count("REM :  bato\r\n"), s.Fichier().count("MOTS\\bato.MP3 /B\r\n")), std::tuple(2, 2));
    EXPECT_EQ(s.Fichier().count("\r\n"), 4);
    RapportMesures(*s.ctx);  // the report's syllables are no words of the user's
    EXPECT_EQ(s.Fichier().count("\r\n"), 4);
}

TEST(LotPrononciation, VowelSyllablesJoinTheNameBeforeThem) {
    EXPECT_EQ(LignesSon("bo.a", "boa").value(1),
              "COPY boa.MP3 /B + Sig0.MP3 /B  C:\\kestr\\Fohms\\MOTS\\boa.MP3 /B");
    EXPECT_EQ(LignesSon("A.bo.+.!P", "abo.").value(1),
              "COPY a.MP3 /B + bo.MP3 /B + Sig0.MP3 /B  C:\\kestr\\Fohms\\MOTS\\abo.MP3 /B");
    EXPECT_TRUE(LignesSon(".+.!,.!_", "abc").isEmpty());
    EXPECT_EQ((std::array{EstLettre("Zut"), EstLettre("a"), EstLettre("1a"), EstLettre(""), EstLettre("é")}),
              (std::array{true, true, false, false, false}));
}

TEST(LotPrononciation, ModeOneWritesTheDottedTextInTheProgramsCodePage) {
    BancSon s(1);
    s.Ecrire("bato");
    EXPECT_EQ(s.Fichier(), "REM ba.to\r\n");
    s.etat().TextePointe = QStringLiteral("bé");
    EcritLigneSon(*s.ctx, s.etat().TextePointe);
    EXPECT_TRUE(s.Fichier().endsWith("b\xE9\r\n"));
    s.etat().ModeSon = 0;
    s.Ecrire("bo");
    EXPECT_EQ(s.Fichier().count("\r\n"), 2);
}

TEST(LotPrononciation, HostileWordsCannotMakeTheBatchRunAnotherCommand) {
    BancSon s(2), un(1);
    const QStringList hostiles = {"ba&calc", "to|del", "a>b", "q\"r", "x^y", "50%ba", "(ba)", "ba<nul",
                                  "l'eau", "élan", "ba & del", "&&", "%%", "\"\"", "a\tb", "C:\\ba", "ba..\\..\\x"};
    for (const QString& mot : hostiles) s.Ecrire(mot), un.Ecrire(mot);
    // Every line is a comment or one COPY of plain names: nothing the interpreter would read as an
    // operator, a variable, an escape or a second command.
    const QRegularExpression rem(R"(^REM :  [A-Za-z0-9_]+$)");
    const QRegularExpression copy(
        R"(^COPY ([a-z0-9_]+\.MP3 /B \+ )+Sig0\.MP3 /B  C:\\kestr\\Fohms\\MOTS\\[A-Za-z0-9_]+\.MP3 /B$)");
    const QStringList lignes = QString::fromLatin1(s.Fichier()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_GE(lignes.size(), 2 * 12);
    for (qsizetype i = 0; i < lignes.size(); ++i)
        EXPECT_TRUE((i % 2 ? copy : rem).match(lignes[i]).hasMatch()) << lignes[i].toStdString();
    EXPECT_THAT(lignes, IsSupersetOf({u"REM :  ba_calc"_s, u"REM :  elan"_s}));
    EXPECT_FALSE(s.Fichier().contains("REM :  \r\n"));
    // The dotted texts of mode 1 are comments whose operators are escaped and "%" doubled.
    const QRegularExpression trace(R"x(^REM (\^[\^<>|&()"!]|%%|[^\^<>|&()"!%])*$)x");
    const QStringList traces = QString::fromLatin1(un.Fichier()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(traces.size(), hostiles.size());
    for (const QString& ligne : traces) EXPECT_TRUE(trace.match(ligne).hasMatch()) << ligne.toStdString();
    EXPECT_TRUE(traces.contains("REM ba.+.^!^&.+.ca.l.c")) << traces.join(u'|').toStdString();
}

}  // namespace
