#include "base/Texte8Bits.h"
#include "support/ImpressionQt.h"
#include "transcription/Document.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The header says every option and reads back the same; a first line with anything but markers is
// text; line ends and 8-bit files are read as text. The header goes in front of the text as its
// markers (the saved document drawn as the live one: the document window's tests).
TEST(Document, HeaderWrittenReadBackAndSplit) {
    OptionsDocument o{1, 3, 2, 40, 7, 3, true};
    const QString entete = LigneEnTete(o);
    EXPECT_EQ(entete, "%od %PH %TAI2 %LIN40 %BLA7 %COL3 %REL1");
    EXPECT_EQ(LireEnTete(entete), o);
    EXPECT_EQ(LireEnTete(u"%la %TAI3"), (OptionsDocument{2, 0, 3, 38, 0, 0, false}));
    for (const char* ligne : {"%od %PH", "  %TAI12  %REL0 "}) EXPECT_TRUE(EstEnTete(QString::fromUtf8(ligne))) << ligne;
    for (const char* ligne : {"", "%od tama", "%saut", "%TAI1234", "%TAI", "bonjour"}) EXPECT_FALSE(EstEnTete(QString::fromUtf8(ligne))) << ligne;

    const Document d = DecouperDocument(QStringLiteral("%od %FR\r\nune ligne\r\ndeux"));
    EXPECT_EQ(std::pair(d.entete, d.corps), std::pair(u"%od %FR"_s, u"une ligne\ndeux"_s));
    EXPECT_EQ(TexteARendre(d), "%od %FR une ligne\ndeux");
    EXPECT_EQ(TexteARendre(u"sans en-tête\nsuite"_s), "sans en-tête\nsuite");
    EXPECT_EQ(DecoderTexte(Vers1252(u"élève"_s)), "élève");
    EXPECT_EQ(DecoderTexte("\xEF\xBB\xBF\xC3\xA9t\xC3\xA9"), "été");

    QTemporaryDir dir;
    const QString f = dir.filePath("d.txt");
    ASSERT_TRUE(EcrireDocument(f, {entete, u"été\n"_s}));
    Document lu;
    ASSERT_TRUE(LireDocument(f, lu));
    EXPECT_EQ(std::pair(lu.entete, lu.corps), std::pair(entete, u"été\n"_s));
    EXPECT_FALSE(LireDocument(dir.filePath("absent.txt"), lu));
    EXPECT_FALSE(EcrireDocument(dir.filePath("absent/d.txt"), lu));
}

}  // namespace
