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
    const struct {
        const char *texte, *attendu;
        int16_t langue = FR;
    } cas[] = {
        {"%.s.a.u.t", "%saut"}, {"%.s.a.u.t.a.b", "%saut.+.a.b"}, {"%.L.I.N.2", "%LIN.+.2"},
        {"%.e.v.+.%.o.d.+.%.L.a.+.%.a.i.+.%.A.i", "%ev.+.%od.+.%la.+.%ai.+.%ai"},
        {"%.T.u.+.%.F.R.+.%.E.n.+.%.P.H", "%TU.+.%FR.+.%EN.+.%PH"},
        // Not in the table: the pieces are classed one by one ("A" is the first capital of its word).
        {"%.s.A.u.t", "%.+.s.A.u.t"}, {"%.l.a", "%.+.l.a"},
        // "fh" is rewritten only before a vowel and a second element, with no word after.
        {"{.FH.a.b.c", "{.fh.=B.a.c"}, {"{.FH.a.b", "{.fh.=B.a"}, {"{.FH.b.a", "{.FH.b.a"},
        {"{.FH.a", "{.FH.a"}, {"{.FH.a.b.+.c", "{.FH.a.b.+.c"},
        // A lone "ou" word goes with the break before it.
        {"x.+.ou.+.y", "x.+.y"}, {"x.+.ou", "x.+.ou"}, {"x.+.oui.+.y", "x.+.oui.+.y"},
        // French and English: the mark goes in front of its word.
        {"ab.{.cd", "{.ab.cd"}, {"ab.{.cd", "{.ab.cd", EN}, {"ab.{.+.cd.{.ef", "{.ab.+.{.cd.ef"},
        // Tumeli: the consonant after the mark of a vowel-initial word moves in front as "=".
        {"a.{.n.e", "{.=N.a.e", TU}, {"a.{.ne", "{.=N.ae", TU}, {"x.+.a.{.n.e", "x.+.{.=N.a.e", TU},
        {"a.{.e", "{.a.e", TU}, {"t.a.{.n", "{.t.a.n", TU}, {"a.{.n.e", "{.a.n.e"},
        // Phonetic input: a consonant before the mark meeting a vowel after it becomes a capital,
        // which then starts its word; then the Tumeli rule.
        {"b.{.A.c", "{.B.a.c", PH}, {"b.{.A.c", "{.b.A.c"}, {"b.{.a", "{.B.a", PH},
        {"ab.{.e.c", "{.AB.e.c", PH}, {"a.{.n.e", "{.=N.a.e", PH},
        // Repeated marks fold into one; capitals start words; separators are cleaned.
        {"{.{.a.{.b", "{.a.b"}, {"Ab.Cd", "Ab.+.Cd"}, {"ab.Cd", "ab.Cd"}, {"Ab.+.Cd", "Ab.+.Cd"},
        {"Ab.cd.Ef.Gh", "Ab.cd.+.Ef.+.Gh"}, {"a.+.+.+.b", "a.+.b"}, {".+..+.+", ""}, {"+", ""}, {"", ""},
        // Elements are stored lower-cased; unknown ones are dropped.
        {"bA.|x.-.?.é", "ba.|x.-"},
        // Digits, signs (the element after a sign is its separator) and the ellipsis.
        {"1.2.a", "12a"}, {"x.@.+.y", "x.+.!X.+.y"}, {"x.@.y", "x.+.!X"}, {"!Pxyz.+.b", "!P.+.b"},
        {"!P.+.!P.+.!P", "!3.+.!0.+.!0"}, {"!P.+.!P.+.!P.+.!P", "!3.+.!0.+.!0.+.!P"},
        {"!P.+.!P.+.!P.+.a.+.!P.+.!P.+.!P", "!3.+.!0.+.!0.+.a.+.!P.+.!P.+.!P"},
    };
    for (const auto& c : cas)
        EXPECT_EQ(Normalise(QString::fromUtf8(c.texte), c.langue), QString::fromUtf8(c.attendu)) << c.texte << " " << c.langue;
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
}

TEST(PlaceMarque, VowelsVowelOnlyWordsSwitchAndSideOfTheMark) {
    // A vowel-only word switches to the Dorvane script, whose marks go after the word.
    for (const char* mot : {"{.a.u", "{.ha.u", "{.A.E"}) {
        Banc b;
        b.etat().TextePointe = mot;
        PlaceMarque(*b.ctx);
        EXPECT_EQ(std::tuple(b.etat().TextePointe, b.etat().Ecriture, b.etat().BasculeVoyelles), std::tuple(QString(mot), 1, 1));
    }
    const struct {
        const char* mot;
        int16_t ecriture;
        const char* attendu;
    } cas[] = {
        {"{.a.u", 1, "a.u.{"},
        // The mark goes on the side with fewer consonants; nothing but consonants: no mark.
        {"{.ta.ke.a", 0, "ta.ke.a.{"}, {"{.ta.a.ko", 0, "{.ta.a.ko"}, {"{.a.ta.ko", 0, "{.a.ta.ko"},
        {"{.=N.a.e", 0, "{.=N.a.e"}, {"{.ta.ko.ba", 0, "ta.ko.ba"}, {"{.ta", 0, "ta"},
        // The Dorvane script counts one more leading consonant, except for short words.
        {"{.abc", 1, "abc.{"}, {"{.ab", 1, "{.ab"}, {"{.ta.a.ko", 1, "ta.a.ko.{"},
        // Left alone: not a marked word, or blank.
        {"ta.{", 0, "ta.{"}, {"  ", 0, "  "}, {"{.  ", 1, "  "},
    };
    for (const auto& c : cas) {
        Banc b;
        b.etat().Ecriture = c.ecriture, b.etat().TextePointe = c.mot;
        PlaceMarque(*b.ctx);
        EXPECT_EQ(b.etat().TextePointe, c.attendu) << c.mot;
        if (c.ecriture == 1) EXPECT_EQ(b.etat().BasculeVoyelles, 0) << c.mot;
    }
    // A vowel is exactly one vowel letter of either case.
    for (const char* v : {"a", "e", "i", "o", "u", "y", "A", "E", "I", "O", "U", "Y"}) EXPECT_TRUE(EstVoyelle(QString(v)));
    for (const char* v : {"", "b", "H", "é", "ae", "{"}) EXPECT_FALSE(EstVoyelle(QString(v))) << v;
}

}  // namespace
