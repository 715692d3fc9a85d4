#include "config/ChargeTables.h"
#include "base/Texte8Bits.h"
#include "config/LecteurChamps.h"
#include "support/Banc.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList Champs(const QString& texte) {
    LecteurChamps l(texte);
    QStringList r;
    QString c;
    while (l.Suivant(c)) r << c;
    return r;
}

TEST(LecteurChamps, CommasQuotesLeadingSpacesAndCodePage) {
    EXPECT_EQ(Champs("a,  b c,d\r\n  \"x, y\"z,e\n"), (QStringList{"a", "b c", "d", "x, y", "e"}));
    EXPECT_EQ(Champs("\n\nfin"), (QStringList{"", "", "fin"}));
    EXPECT_EQ(Champs("\"open quote runs to the end"), (QStringList{"open quote runs to the end"}));
    // Codes of the code page.
    const QString t = Depuis1252(QByteArray("\x9c\xa4\xa7\xb0\xf9\x92", 6));
    EXPECT_EQ(t, QString::fromUtf8("œ¤§°ù’"));
    EXPECT_EQ(Code1252(t[0]), 156);
    EXPECT_EQ(Code1252(t[1]), 164);
    EXPECT_EQ(Code1252(t[5]), 146);
    EXPECT_EQ(Vers1252(t), QByteArray("\x9c\xa4\xa7\xb0\xf9\x92", 6));
    EXPECT_EQ(Code1252(QChar(0x4E2D)), '?');
    EXPECT_EQ(Val("  -12.5abc"), -12.5);
    EXPECT_EQ(Val("=12"), 0);
}

// A small but complete tables file: every section, with comments where they count.
const char* const kTables =
    "' vowels\n"
    "3\n"
    "a\n"
    "a1p,a1q\n"
    "a2p\n"
    "a2q\n"
    "+b2xyz\n"
    "<C1\n"
    "a3p\n"
    "a3q\n"
    "' end of a\n"
    "2\n"
    "o\n"
    "o1p\n"
    "o1q\n"
    "o2p\n"
    "o2q\n"
    "+b2joint\n"
    ">d0\n"
    "' end of o\n"
    "1\n"
    "i\n"
    "i1p\n"
    "i1q\n"
    "+b2dropped\n"
    "' end of i\n"
    "SUITE1\n"
    "1\n"
    "b\n"
    "b0\n"
    "b1\n"
    "' comment inside a variant\n"
    "b2\n"
    "b3\n"
    "SpexawTyps\n"
    "BLAHG=4\n"
    "LargTIL=3\n"
    "TILG=R2\n"
    "TILD=L2\n"
    "TDL=5\n"
    "Loner_EV=D3\n"
    "Loner_OD=U3\n"
    "FON=0\n"
    "BAZ#  12\n"
    "FoisDiese=003\n"
    "YMaxi_A41100\n"
    "¤!xyz\n"
    "¤~tilde\n"
    "PAQ 12\n"
    "unknown line\n"
    "Impures_Multiples\n"
    "abcdefg\n"
    "1111111\n"
    "2222222\n"
    "abcde\n"
    "' abandoned\n"
    "bcdef\n"
    "p1\n"
    "p2\n"
    "xyz\n"
    "q1\n"
    "q2\n"
    "CHIFFRES\n"
    "0zero\n"
    "' comment\n"
    "7seven\n"
    "FinLec\n"
    "8never\n";

TEST(ChargeTables, ReadsEverySection) {
    Banc b;
    b.etat().Taille = 2;
    LireTablesProgramme(*b.ctx, QString::fromUtf8(kTables));
    const Tables& t = b.tables();
    EXPECT_EQ(t.TableGlyphes[0][0][0], "a");
    EXPECT_EQ(t.TableGlyphes[0][1][0], "a1p");
    EXPECT_EQ(t.TableGlyphes[0][1][1], "a1q");  // a comma splits a line in two
    EXPECT_EQ(t.TableGlyphes[0][3][1], "a3q");
    EXPECT_EQ(t.TableRaccords[1][2][1], "+b2xyz");  // "a", variant 2: slot 1
    EXPECT_EQ(t.TableRaccords[2][1][1], "<C1");     // letter lower-cased
    EXPECT_EQ(t.TableRaccords[1][2][4], "+b2joint");  // "o", variant 2: slot 4
    EXPECT_EQ(t.TableRaccords[3][0][4], ">d0");
    EXPECT_EQ(t.TableGlyphes[8][1][1], "i1q");
    for (int slot = 0; slot < 10; ++slot)  // joining lines of "i" are dropped
        EXPECT_NE(t.TableRaccords[1][2][slot], "+b2dropped");
    EXPECT_EQ(t.TableGlyphes[1][1][2], "b2");  // the comment inside the variant was skipped
    EXPECT_EQ(t.TableGlyphes[1][1][3], "b3");

    const EtatProgramme& e = b.etat();
    EXPECT_EQ(e.Blanc, 4);
    EXPECT_EQ(e.LargeurBlanc, 8);
    EXPECT_EQ(e.LargeurTIL, 3);
    EXPECT_EQ(e.CheminTILG, "R2");
    EXPECT_EQ(e.CheminTILD, "L2");
    EXPECT_EQ(e.ValeurTDL, 5);
    EXPECT_EQ(e.MarqueFinVelmor, "D3");
    EXPECT_EQ(e.MarqueFinDorvane, "U3");
    EXPECT_EQ(e.ModeSon, 0);
    EXPECT_EQ(e.NumCouleur, 12);
    EXPECT_EQ(e.NbFoisDiese, 3);
    EXPECT_EQ(e.YMaxiA4, 1100);
    EXPECT_EQ(e.PagesRappelables, 12);
    EXPECT_EQ(t.TableSignes[0], "xyz");
    EXPECT_EQ(t.TableSignes['~' - 33], "tilde");
    EXPECT_EQ(b.fenetre.textes["CmdLihg"], "Tumeli");  // the FON line refreshes the language button

    EXPECT_EQ(t.TableAmas[1][0], "abcdefg");
    EXPECT_EQ(t.TableAmas[2][0], "bcdef");  // the abandoned entry started again
    EXPECT_EQ(t.TableAmas[2][2], "p2");
    EXPECT_EQ(t.TableAmas[3][0], "xyz");
    EXPECT_EQ(t.FinAmas7, 1);
    EXPECT_EQ(t.DebutAmas5, 2);
    EXPECT_EQ(t.FinAmas5, 2);
    EXPECT_EQ(t.DebutAmas3, 3);
    EXPECT_EQ(t.FinAmas3, 3);
    EXPECT_EQ(t.Chiffres[0], "0zero");
    EXPECT_EQ(t.Chiffres[7], "7seven");
    EXPECT_TRUE(t.Chiffres[8].isEmpty());
}

TEST(ChargeTables, BadEntriesAreSkippedNotStoredOutOfBounds) {
    Banc b;
    QString texte = "9\n~\n";  // a letter outside "a".."}" and nine variants
    for (int i = 0; i < 9; ++i) texte += "p\nq\n+?9\n";
    texte += "' end\nSUITE1\n"
             "SpexawTyps\n"
             "BLAHG\nTDL\n¤\n¤ short\nPAQ 99999999999999999999\n"
             "Impures_Multiples\n";
    for (int i = 0; i < 120; ++i) texte += "abc\nx\ny\n";
    texte += "CHIFFRES\nx\n";
    LireTablesProgramme(*b.ctx, texte);
    EXPECT_EQ(b.etat().Blanc, 0);
    EXPECT_EQ(b.etat().PagesRappelables, 30);
    EXPECT_EQ(b.tables().FinAmas3, 99);
    LireTablesProgramme(*b.ctx, "");
    LireTablesProgramme(*b.ctx, "5\n");
    // FinLec in the clusters ends the file.
    Banc f;
    LireTablesProgramme(*f.ctx, "SUITE1\nSpexawTyps\nImpures_Multiples\nabc\nFinLec\n0zero\n");
    EXPECT_TRUE(f.tables().TableAmas[1][0].isEmpty());
    EXPECT_TRUE(f.tables().Chiffres[0].isEmpty());
}

TEST(ChargeTables, SoundModeBatchFileAndMissingFiles) {
    QTemporaryDir dir;
    Banc b(100, 100, dir.path());
    LireTablesProgramme(*b.ctx, "SUITE1\nSpexawTyps\nFON=2\nImpures_Multiples\n");
    EXPECT_EQ(b.etat().ModeSon, 2);
    EXPECT_TRUE(QFile::exists(dir.filePath("FON.bat")));
    EXPECT_EQ(b.fenetre.textes["CmdLihg"], "MP3");

    QTemporaryDir autre;
    Banc c(100, 100, autre.path());
    LireTablesProgramme(*c.ctx, "SUITE1\nSpexawTyps\nFON=0\nImpures_Multiples\n");
    EXPECT_FALSE(QFile::exists(autre.filePath("FON.bat")));

    // Missing files leave empty tables.
    Banc absent(100, 100, dir.path() + "/absent");
    ChargeTables(*absent.ctx);
    EXPECT_TRUE(absent.tables().TableGlyphes[0][0][0].isEmpty());
    EXPECT_EQ(absent.tables().NombreSuffixes, 0);
    EXPECT_TRUE(absent.fenetre.messages.empty());
}

TEST(Suffixes, WholeSuffixesStemsAndEndingsInReverseOrder) {
    Banc b;
    LireSuffixes(*b.ctx, "ka\nbo\n*\n um\nan\n**\ni\nes;o\n***\n");
    const Tables& t = b.tables();
    // Entries: " ka", " bo", "umi", "umes"->"_umo", "ani", "anes"->"_ano" (the field reader drops
    // the stem's leading space); sorted case-insensitively and read from the last, the leading
    // space of a whole suffix trimmed.
    ASSERT_EQ(t.NombreSuffixes, 5);
    QStringList suffixes, remplacements;
    for (int i = 0; i <= t.NombreSuffixes; ++i) {
        suffixes << t.TableSuffixes[i][0];
        remplacements << t.TableSuffixes[i][1];
    }
    EXPECT_EQ(suffixes, (QStringList{"umi", "umes", "ani", "anes", "ka", "bo"}));
    EXPECT_EQ(remplacements, (QStringList{"", "_umo", "", "_ano", "", ""}));

    Banc seuls;
    LireSuffixes(*seuls.ctx, "ka\nbo\n*\n**\n***\n");
    EXPECT_EQ(seuls.tables().NombreSuffixes, 1);
    EXPECT_EQ(seuls.tables().TableSuffixes[0][0], "ka");
    EXPECT_EQ(seuls.tables().TableSuffixes[1][0], "bo");

    Banc borne;  // bounded to 801 entries
    QString texte = "*\n";
    for (int i = 0; i < 40; ++i) texte += QString("r%1\n").arg(i);
    texte += "**\n";
    for (int i = 0; i < 40; ++i) texte += QString("e%1\n").arg(i);
    LireSuffixes(*borne.ctx, texte + "***\n");
    EXPECT_EQ(borne.tables().NombreSuffixes, 800);
}

}  // namespace
