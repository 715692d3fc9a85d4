#include "support/Banc.h"
#include "transcription/Normaliseur.h"

#include <gtest/gtest.h>
#include <random>

namespace {

enum Langue : int16_t { TU = 0, FR = 1, EN = 2, PH = 3 };

QString Normalise(const QString& texte, int16_t langue = FR) {
    Banc b;
    b.etat().Langue = langue;
    QString t = texte;
    Normaliser(*b.ctx, t);
    EXPECT_TRUE(b.etat().ChaineTravail.isEmpty());
    return t;
}

TEST(Normaliser, MarkersCapitalsSeparatorsSignsMarkRulesFhAndOu) {
    EXPECT_EQ(Normalise("%.s.a.u.t"), "%saut");
    EXPECT_EQ(Normalise("%.s.a.u.t.a.b"), "%saut.+.a.b");
    EXPECT_EQ(Normalise("%.e.v.+.%.o.d.+.%.L.a.+.%.a.i.+.%.A.i"), "%ev.+.%od.+.%la.+.%ai.+.%ai");
    EXPECT_EQ(Normalise("%.T.u.+.%.F.R.+.%.E.n.+.%.P.H"), "%TU.+.%FR.+.%EN.+.%PH");
    EXPECT_EQ(Normalise("%.L.I.N.2"), "%LIN.+.2");
    // Not in the table: the pieces are classed one by one ("A" is the first capital of its word).
    EXPECT_EQ(Normalise("%.s.A.u.t"), "%.+.s.A.u.t");
    EXPECT_EQ(Normalise("%.l.a"), "%.+.l.a");
    // The "fh" rewrite.
    EXPECT_EQ(Normalise("{.FH.a.b.c"), "{.fh.=B.a.c");
    EXPECT_EQ(Normalise("{.FH.a.b"), "{.fh.=B.a");
    EXPECT_EQ(Normalise("{.FH.b.a"), "{.FH.b.a");        // the first element is not a vowel
    EXPECT_EQ(Normalise("{.FH.a"), "{.FH.a");            // one element only
    EXPECT_EQ(Normalise("{.FH.a.b.+.c"), "{.FH.a.b.+.c");  // a word follows
    // A lone "ou" word goes with the break before it.
    EXPECT_EQ(Normalise("x.+.ou.+.y"), "x.+.y");
    EXPECT_EQ(Normalise("x.+.ou"), "x.+.ou");
    EXPECT_EQ(Normalise("x.+.oui.+.y"), "x.+.oui.+.y");
    // French and English: the mark goes in front of its word.
    EXPECT_EQ(Normalise("ab.{.cd", FR), "{.ab.cd");
    EXPECT_EQ(Normalise("ab.{.cd", EN), "{.ab.cd");
    EXPECT_EQ(Normalise("ab.{.+.cd.{.ef", FR), "{.ab.+.{.cd.ef");
    // Tumeli: the consonant after the mark of a vowel-initial word moves in front as "=".
    EXPECT_EQ(Normalise("a.{.n.e", TU), "{.=N.a.e");
    EXPECT_EQ(Normalise("a.{.ne", TU), "{.=N.ae");
    EXPECT_EQ(Normalise("x.+.a.{.n.e", TU), "x.+.{.=N.a.e");
    EXPECT_EQ(Normalise("a.{.e", TU), "{.a.e");       // a vowel after the mark
    EXPECT_EQ(Normalise("t.a.{.n", TU), "{.t.a.n");   // a consonant-initial word
    EXPECT_EQ(Normalise("a.{.n.e", FR), "{.a.n.e");   // other languages leave it
    // Phonetic input: a consonant before the mark meeting a vowel after it becomes a capital,
    // which then starts its word; then the Tumeli rule.
    EXPECT_EQ(Normalise("b.{.A.c", PH), "{.B.a.c");
    EXPECT_EQ(Normalise("b.{.A.c", FR), "{.b.A.c");
    EXPECT_EQ(Normalise("b.{.a", PH), "{.B.a");
    EXPECT_EQ(Normalise("ab.{.e.c", PH), "{.AB.e.c");
    EXPECT_EQ(Normalise("a.{.n.e", PH), "{.=N.a.e");
    // Repeated marks fold into one.
    EXPECT_EQ(Normalise("{.{.a.{.b", FR), "{.a.b");
    // Capitals start words; separators are cleaned.
    EXPECT_EQ(Normalise("Ab.Cd"), "Ab.+.Cd");
    EXPECT_EQ(Normalise("ab.Cd"), "ab.Cd");
    EXPECT_EQ(Normalise("Ab.+.Cd"), "Ab.+.Cd");
    EXPECT_EQ(Normalise("Ab.cd.Ef.Gh"), "Ab.cd.+.Ef.+.Gh");
    EXPECT_EQ(Normalise("a.+.+.+.b"), "a.+.b");
    EXPECT_EQ(Normalise(".+..+.+"), "");
    EXPECT_EQ(Normalise("+"), "");
    EXPECT_EQ(Normalise(""), "");
    // Elements are stored lower-cased; unknown ones are dropped.
    EXPECT_EQ(Normalise("bA.|x.-.?.é"), "ba.|x.-");
    // Digits, signs and the ellipsis.
    EXPECT_EQ(Normalise("1.2.a"), "12a");
    EXPECT_EQ(Normalise("x.@.+.y"), "x.+.!X.+.y");
    EXPECT_EQ(Normalise("x.@.y"), "x.+.!X");  // the element after a sign is its separator
    EXPECT_EQ(Normalise("!P.+.!P.+.!P"), "!3.+.!0.+.!0");
    EXPECT_EQ(Normalise("!P.+.!P.+.!P.+.!P"), "!3.+.!0.+.!0.+.!P");
    EXPECT_EQ(Normalise("!P.+.!P.+.!P.+.a.+.!P.+.!P.+.!P"), "!3.+.!0.+.!0.+.a.+.!P.+.!P.+.!P");
    EXPECT_EQ(Normalise("!Pxyz.+.b"), "!P.+.b");
}

// The clean-up and the mark fronting as their rules read, one step at a time.
QString NettoyageLitteral(QString t) {
    for (;;) {
        t.replace("@", "+.!X.");
        qsizetype i;
        if ((i = t.indexOf("..")) >= 0) t.replace(i, 2, ".");
        else if ((i = t.indexOf("++")) >= 0) t.replace(i, 2, "+");
        else if ((i = t.indexOf("+.+")) >= 0) t.replace(i, 3, ".+");
        else if (t.endsWith('.')) t.chop(1);
        else if (t.endsWith(".+")) t.chop(2);
        else if (t.startsWith('.') || t.startsWith('+')) t.remove(0, 1);
        else if (t.startsWith("{.{.")) t.remove(0, 2);
        else return t;
    }
}

QString AvanceeLitterale(QString t) {
    for (;;) {
        const qsizetype i = t.indexOf(".{");
        if (i >= 0) t.remove(i, 2).prepend("{.");
        if (!t.startsWith("{.{.")) return t;
        t.remove(0, 2);
    }
}

TEST(Normaliser, CleanUpMatchesItsRulesAndHugeTextsEndQuickly) {
    std::mt19937 alea(42);
    const QString separateurs = QStringLiteral("..++{a@");
    const QString marques = QStringLiteral("..{{{ab");
    for (int n = 0; n < 200000; ++n) {
        QString s, m;
        for (int i = alea() % 14; i > 0; --i) s += separateurs[alea() % separateurs.size()];
        for (int i = alea() % 14; i > 0; --i) m += marques[alea() % marques.size()];
        QString r = s;
        NettoyerSeparateurs(r);
        ASSERT_EQ(r, NettoyageLitteral(s)) << qPrintable(s);
        QString a = m;
        AvancerMarques(a);
        ASSERT_EQ(a, AvanceeLitterale(m)) << qPrintable(m);
    }
    // Huge and damaged texts end quickly.
    QString t;
    for (int i = 0; i < 100000; ++i) t += i % 7 == 0 ? QString("a.{.Ba.@.!P.+.") : QString("ta.{.{.+..");
    EXPECT_FALSE(Normalise(t, PH).isEmpty());
    QString repetees;
    for (int i = 0; i < 100000; ++i) repetees += "a.{.";
    EXPECT_EQ(Normalise(repetees, TU).left(6), "{.a.a.");
    std::mt19937 hasard(7);
    const QString lettres = QStringLiteral("..++{{aAbB1%!@=-|FH");
    for (int n = 0; n < 5000; ++n) {
        QString s;
        for (int i = hasard() % 20; i > 0; --i) s += lettres[hasard() % lettres.size()];
        for (int16_t l = 0; l < 4; ++l) Normalise(s, l);
    }
}

struct Placement {
    QString mot;
    int ecriture, bascule;
};

Placement Place(const QString& mot, int16_t ecriture) {
    Banc b;
    b.etat().Ecriture = ecriture;
    b.etat().TextePointe = mot;
    PlaceMarque(*b.ctx);
    return {b.etat().TextePointe, b.etat().Ecriture, b.etat().BasculeVoyelles};
}

TEST(PlaceMarque, VowelsVowelOnlyWordsSwitchAndSideOfTheMark) {
    for (const char* mot : {"{.a.u", "{.ha.u", "{.A.E"}) {
        const Placement p = Place(mot, 0);
        EXPECT_EQ(p.mot, mot);
        EXPECT_EQ(p.ecriture, 1);
        EXPECT_EQ(p.bascule, 1);
    }
    // In the Dorvane script there is nothing to switch: the mark goes after the word.
    const Placement d = Place("{.a.u", 1);
    EXPECT_EQ(d.mot, "a.u.{");
    EXPECT_EQ(d.bascule, 0);
    // Side of the mark.
    EXPECT_EQ(Place("{.ta.ke.a", 0).mot, "ta.ke.a.{");   // more leading than trailing consonants
    EXPECT_EQ(Place("{.ta.a.ko", 0).mot, "{.ta.a.ko");   // as many
    EXPECT_EQ(Place("{.a.ta.ko", 0).mot, "{.a.ta.ko");
    EXPECT_EQ(Place("{.=N.a.e", 0).mot, "{.=N.a.e");
    EXPECT_EQ(Place("{.ta.ko.ba", 0).mot, "ta.ko.ba");   // nothing but consonants: no mark
    EXPECT_EQ(Place("{.ta", 0).mot, "ta");
    // The Dorvane script counts one more leading consonant, except for short words.
    EXPECT_EQ(Place("{.abc", 1).mot, "abc.{");
    EXPECT_EQ(Place("{.ab", 1).mot, "{.ab");
    EXPECT_EQ(Place("{.ta.a.ko", 1).mot, "ta.a.ko.{");
    // Left alone: not a marked word, or blank.
    EXPECT_EQ(Place("ta.{", 0).mot, "ta.{");
    EXPECT_EQ(Place("  ", 0).mot, "  ");
    EXPECT_EQ(Place("{.  ", 1).mot, "  ");
    // A vowel is exactly one vowel letter of either case.
    for (const char* v : {"a", "e", "i", "o", "u", "y", "A", "E", "I", "O", "U", "Y"}) EXPECT_TRUE(EstVoyelle(QString(v)));
    for (const char* v : {"", "b", "H", "é", "ae", "{"}) EXPECT_FALSE(EstVoyelle(QString(v))) << v;
}

}  // namespace
