#include "transcription/Syllabes.h"
#include "support/Banc.h"

#include <gtest/gtest.h>

namespace {

QString Code(Banc& b, const QString& texte, bool* finDiese = nullptr) {
    bool f = false;
    const QString r = CoderSignes(*b.ctx, texte, f);
    if (finDiese) *finDiese = f;
    return r;
}

QString Couper(Banc& b, const QString& texte) {
    bool f = false;
    QStringList marqueurs;
    const QString protege = ProtegerMarqueurs(texte, marqueurs);
    return CouperSyllabes(*b.ctx, CoderSignes(*b.ctx, protege, f), marqueurs);
}

TEST(CoderSignes, SignsDashesApostrophesBackquoteAndHashNumbers) {
    Banc b;
    EXPECT_EQ(Code(b, "ab."), "ab!P!_");
    EXPECT_FALSE(b.etat().SautPermis);  // a sentence ends: no new line on request
    EXPECT_EQ(Code(b, "(x),"), "!(!_x!)!_!,!_");
    EXPECT_EQ(Code(b, "\"a+b=c@ù\""), "!Q!_a!E!_b!C!_c!B!_!S!_!Q!_");
    EXPECT_TRUE(b.etat().SautPermis);  // a double quote does not end a sentence part
    EXPECT_EQ(Code(b, "ab"), "ab");
    EXPECT_TRUE(b.etat().SautPermis);
    // Dashes at the end and before a space.
    EXPECT_EQ(Code(b, "ab-"), "ab!-!_");
    EXPECT_EQ(Code(b, "ab- cde"), "ab-!- cde");
    EXPECT_EQ(Code(b, "ab- c"), "ab- c");  // too little after the dash
    EXPECT_EQ(Code(b, "a-b"), "a-b");
    // Apostrophes and the backquote.
    b.etat().Langue = 0;
    EXPECT_EQ(Code(b, "'ab"), "!M!_ab");   // a leading apostrophe in Tumeli is the "$" sign
    EXPECT_EQ(Code(b, "a`b"), "a!A!_b");   // the backquote is the "§" sign
    EXPECT_EQ(Code(b, "a__b"), "a_!B!__b");
    b.etat().Langue = 1;
    EXPECT_EQ(Code(b, "l'ami"), "l'ami");
    EXPECT_EQ(Code(b, "x '3"), "x !M!_3");
    // Hash numbers.
    EXPECT_EQ(Code(b, "#"), "!#!_");
    EXPECT_EQ(b.etat().NumeroDiese, -1);
    b.etat().DernierCode = "#";  // the sign drawer drew it
    Code(b, "#");
    EXPECT_EQ(b.etat().NumeroDiese, -2);
    Code(b, "#");
    EXPECT_EQ(b.etat().NumeroDiese, -3);
    b.etat().DernierCode = "a";
    Code(b, "#");
    EXPECT_EQ(b.etat().NumeroDiese, -1);

    bool finDiese = false;
    EXPECT_EQ(Code(b, "12#", &finDiese), " !#!_12");
    EXPECT_TRUE(finDiese);
    EXPECT_EQ(b.etat().NumeroDiese, 12);

    b.etat().NumeroDieseSaisi = "7";
    Code(b, "#");
    EXPECT_EQ(b.etat().NumeroDiese, 7);
    EXPECT_TRUE(b.etat().NumeroDieseSaisi.isEmpty());
}

TEST(CouperSyllabes, SyllablesWordsSignsMarkersStressAndOddInput) {
    struct Cas {
        int langue;
        const char *texte, *attendu;
    };
    const Cas cas[] = {
        // Consonants open syllables and vowels join them.
        {3, "bonjour", "bO.n.jOU.r"}, {3, "ami", "A.mI"}, {3, "bha", "bhA"},
        {3, "aha", "AH.a"},  // a vowel after a vowel and an "h" opens a syllable
        {3, "a.", "A.+.!P.+.+."},  // the normaliser merges the breaks
        {3, "ab12", "A.b.+.12"},
        // A "k" after a vowel ends the syllable, not the word.
        {3, "akeroport", "A.e.rO.pO.r.t"}, {3, "nakif", "nA.i.f"},
        // Words and signs are separated by "+".
        {3, "ba, bo", "bA.+.!,.+.+.bO"}, {3, "ba_bo", "bA.+.bO"},
        // Markers stay whole.
        {3, "ab%tai3", "A.b.%TAI3"}, {3, "%od", "%od"}, {3, "%saut ba", "%saut.bA"},
        // The stress apostrophe.
        {1, "'ba", "{.bA"}, {3, "ba'bo", "bA.{.bO"},
    };
    Banc b;
    for (const Cas& c : cas) {
        b.etat().Langue = static_cast<int16_t>(c.langue);
        EXPECT_EQ(Couper(b, c.texte), QString(c.attendu)) << c.texte;
    }
    // Odd input never breaks.
    for (int langue = 0; langue < 4; ++langue) {
        b.etat().Langue = langue;
        for (const char* t : {"", " ", "!", "!!", "-", "--", "'", "''", "h'", "fh'", "#", "##", "%", "%%od", "µ£|",
                              "\x01\x02", "...", "aaaa-hh-'k'"}) {
            Couper(b, QString::fromLatin1(t));
        }
        Couper(b, QString(20000, u'a') + QString(20000, u'.'));
    }
}

}  // namespace
