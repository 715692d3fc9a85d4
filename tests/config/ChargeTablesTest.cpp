#include "config/ChargeTables.h"
#include "base/Texte8Bits.h"
#include "config/LecteurChamps.h"
#include "support/Banc.h"

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
    EXPECT_EQ(std::make_tuple(Code1252(t[0]), Code1252(t[1]), Code1252(t[5])), std::make_tuple(156, 164, 146));
    EXPECT_EQ(Vers1252(t), QByteArray("\x9c\xa4\xa7\xb0\xf9\x92", 6));
    EXPECT_EQ(Code1252(QChar(0x4E2D)), '?');
    EXPECT_EQ(std::tuple(Val("  -12.5abc"), Val("=12")), std::tuple(-12.5, 0));
}

// A small but complete tables file: every section, with comments where they count.
const char* const kTables =
    "' vowels\n3\na\na1p,a1q\na2p\na2q\n+b2xyz\n<C1\na3p\na3q\n' end of a\n"
    "2\no\no1p\no1q\no2p\no2q\n+b2joint\n>d0\n' end of o\n"
    "1\ni\ni1p\ni1q\n+b2dropped\n' end of i\n"
    "SUITE1\n1\nb\nb0\nb1\n' comment inside a variant\nb2\nb3\n"
    "SpexawTyps\nBLAHG=4\nLargTIL=3\nTILG=R2\nTILD=L2\nTDL=5\nLoner_EV=D3\nLoner_OD=U3\nFON=0\n"
    "BAZ#  12\nFoisDiese=003\nYMaxi_A41100\n¤!xyz\n¤~tilde\nPAQ 12\nunknown line\n"
    "Impures_Multiples\nabcdefg\n1111111\n2222222\nabcde\n' abandoned\nbcdef\np1\np2\nxyz\nq1\nq2\n"
    "CHIFFRES\n0zero\n' comment\n7seven\nFinLec\n8never\n";

TEST(ChargeTables, ReadsEverySection) {
    Banc b;
    b.etat().Taille = 2;
    LireTablesProgramme(*b.ctx, QString::fromUtf8(kTables));
    const Tables& t = b.tables();
    EXPECT_EQ(std::tuple(t.TableGlyphes[0][0][0], t.TableGlyphes[0][1][0]), std::tuple(u"a"_s, u"a1p"_s));
    EXPECT_EQ(t.TableGlyphes[0][1][1], "a1q");  // a comma splits a line in two
    EXPECT_EQ(t.TableGlyphes[0][3][1], "a3q");
    EXPECT_EQ(t.TableRaccords[1][2][1], "+b2xyz");  // "a", variant 2: slot 1
    EXPECT_EQ(t.TableRaccords[2][1][1], "<C1");     // letter lower-cased
    EXPECT_EQ(t.TableRaccords[1][2][4], "+b2joint");  // "o", variant 2: slot 4
    EXPECT_EQ(std::tuple(t.TableRaccords[3][0][4], t.TableGlyphes[8][1][1]), std::tuple(u">d0"_s, u"i1q"_s));
    for (int slot = 0; slot < 10; ++slot)  // joining lines of "i" are dropped
        EXPECT_NE(t.TableRaccords[1][2][slot], "+b2dropped");
    EXPECT_EQ(t.TableGlyphes[1][1][2], "b2");  // the comment inside the variant was skipped
    EXPECT_EQ(t.TableGlyphes[1][1][3], "b3");
    const EtatProgramme& e = b.etat();
    EXPECT_EQ(std::tuple(e.Blanc, e.LargeurBlanc, e.LargeurTIL, e.ValeurTDL, e.ModeSon), std::tuple(4, 8, 3, 5, 0));
    EXPECT_EQ(std::tuple(e.CheminTILG, e.CheminTILD, e.MarqueFinVelmor, e.MarqueFinDorvane), std::tuple(u"R2"_s, u"L2"_s, u"D3"_s, u"U3"_s));
    EXPECT_EQ(std::tuple(e.NumCouleur, e.NbFoisDiese, e.YMaxiA4, e.PagesRappelables), std::tuple(12, 3, 1100, 12));
    EXPECT_EQ(std::tuple(t.TableSignes[0], t.TableSignes['~' - 33]), std::tuple(u"xyz"_s, u"tilde"_s));
    EXPECT_EQ(b.fenetre.textes["CmdLihg"], "Tumeli");  // the FON line refreshes the language button
    EXPECT_EQ(std::tuple(t.TableAmas[1][0], t.TableAmas[3][0]), std::tuple(u"abcdefg"_s, u"xyz"_s));
    EXPECT_EQ(std::tuple(t.TableAmas[2][0], t.TableAmas[2][2]), std::tuple(u"bcdef"_s, u"p2"_s));  // the abandoned entry started again
    EXPECT_EQ(std::tuple(t.FinAmas7, t.DebutAmas5, t.FinAmas5, t.DebutAmas3, t.FinAmas3), std::tuple(1, 2, 2, 3, 3));
    EXPECT_EQ(std::tuple(t.Chiffres[0], t.Chiffres[7]), std::tuple(u"0zero"_s, u"7seven"_s));
    EXPECT_TRUE(t.Chiffres[8].isEmpty()) << t.Chiffres[8].toStdString();
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
    EXPECT_EQ(std::tuple(b.etat().Blanc, b.etat().PagesRappelables, b.tables().FinAmas3), std::tuple(0, 30, 99));
    // FinLec in the clusters ends the file.
    Banc f;
    LireTablesProgramme(*f.ctx, "SUITE1\nSpexawTyps\nImpures_Multiples\nabc\nFinLec\n0zero\n");
    EXPECT_TRUE(f.tables().TableAmas[1][0].isEmpty()) << f.tables().TableAmas[1][0].toStdString();
    EXPECT_TRUE(f.tables().Chiffres[0].isEmpty()) << f.tables().Chiffres[0].toStdString();
}

TEST(ChargeTables, SoundModeBatchFileAndMissingFiles) {
    QTemporaryDir dir;
    Banc b(100, 100, dir.path());
    LireTablesProgramme(*b.ctx, "SUITE1\nSpexawTyps\nFON=2\nImpures_Multiples\n");
    EXPECT_EQ(std::tuple(b.etat().ModeSon, QFile::exists(dir.filePath("FON.bat"))), std::tuple(2, true));
    EXPECT_EQ(b.fenetre.textes["CmdLihg"], "MP3");
    QTemporaryDir autre;
    Banc c(100, 100, autre.path());
    LireTablesProgramme(*c.ctx, "SUITE1\nSpexawTyps\nFON=0\nImpures_Multiples\n");
    EXPECT_FALSE(QFile::exists(autre.filePath("FON.bat")));
    // Missing files leave empty tables.
    Banc absent(100, 100, dir.path() + "/absent");
    ChargeTables(*absent.ctx);
    EXPECT_EQ(std::tuple(absent.tables().TableGlyphes[0][0][0], absent.tables().NombreSuffixes), std::tuple(u""_s, 0));
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
    EXPECT_EQ(std::tuple(seuls.tables().NombreSuffixes, seuls.tables().TableSuffixes[0][0], seuls.tables().TableSuffixes[1][0]),
              std::tuple(1, u"ka"_s, u"bo"_s));

    Banc borne;  // bounded to 801 entries
    QString texte = "*\n";
    for (int i = 0; i < 40; ++i) texte += QString("r%1\n").arg(i);
    texte += "**\n";
    for (int i = 0; i < 40; ++i) texte += QString("e%1\n").arg(i);
    LireSuffixes(*borne.ctx, texte + "***\n");
    EXPECT_EQ(borne.tables().NombreSuffixes, 800);
}

}  // namespace
