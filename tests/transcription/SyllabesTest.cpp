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
    EXPECT_EQ((std::tuple{Code(b, "(x),"), Code(b, "\"a+b=c@ù\"")}), std::tuple(u"!(!_x!)!_!,!_"_s, u"!Q!_a!E!_b!C!_c!B!_!S!_!Q!_"_s));
    EXPECT_TRUE(b.etat().SautPermis);  // a double quote does not end a sentence part
    const struct {
        int16_t langue;
        const char *texte, *attendu;
    } cas[] = {
        // Dashes at the end and before a space, with enough after it.
        {0, "ab", "ab"}, {0, "ab-", "ab!-!_"}, {0, "ab- cde", "ab-!- cde"}, {0, "ab- c", "ab- c"}, {0, "a-b", "a-b"},
        // A leading apostrophe in Tumeli is the "$" sign, the backquote the "§" sign.
        {0, "'ab", "!M!_ab"}, {0, "a`b", "a!A!_b"}, {0, "a__b", "a_!B!__b"}, {1, "l'ami", "l'ami"}, {1, "x '3", "x !M!_3"},
    };
    for (const auto& c : cas) {
        b.etat().Langue = c.langue;
        EXPECT_EQ(Code(b, c.texte), c.attendu) << c.texte;
    }
    // Hash numbers: lone hashes count down while the sign drawer drew the last one.
    EXPECT_EQ((std::tuple{Code(b, "#"), b.etat().NumeroDiese}), std::tuple(u"!#!_"_s, -1));
    for (auto [dernier, numero] : {std::pair{"#", -2}, {"#", -3}, {"a", -1}}) {
        b.etat().DernierCode = dernier;
        Code(b, "#");
        EXPECT_EQ(b.etat().NumeroDiese, numero);
    }

    bool finDiese = false;
    EXPECT_EQ((std::tuple{Code(b, "12#", &finDiese), finDiese, b.etat().NumeroDiese}), std::tuple(u" !#!_12"_s, true, 12));
    b.etat().NumeroDieseSaisi = "7";
    Code(b, "#");
    EXPECT_EQ(std::tuple(b.etat().NumeroDiese, b.etat().NumeroDieseSaisi), std::tuple(7, u""_s));
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
    // A huge text ends (short odd input: the transcriber's fuzz run).
    for (int16_t langue = 0; langue < 4; ++langue) {
        b.etat().Langue = langue;
        Couper(b, QString(20000, u'a') + QString(20000, u'.'));
    }
}

}  // namespace
