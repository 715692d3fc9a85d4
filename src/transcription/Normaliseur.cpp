#include "transcription/Normaliseur.h"

#include "base/Contexte.h"
#include "transcription/Casse.h"
#include "transcription/Marqueurs.h"
#include "transcription/Morceaux.h"

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

bool EstSeparateur(QChar c) { return c == u'.' || c == u'+'; }
bool EstMinusculeVoyelle(QChar c) {
    switch (c.unicode()) {
    case u'a': case u'e': case u'i': case u'o': case u'u': case u'y': return true;
    default: return false;
    }
}

// Every ".." becomes ".", left to right ("..." gives "..").
void FusionnerPoints(QString& t) {
    if (!t.contains(u"..")) return;
    QString r;
    r.reserve(t.size());
    for (qsizetype i = 0; i < t.size(); ++i) {
        r += t[i];
        if (t[i] == u'.' && i + 1 < t.size() && t[i + 1] == u'.') ++i;
    }
    t = r;
}

// Phonetic input: a consonant that ends the piece before a "{" and meets a vowel after it is
// written in capitals, and the first element after the mark in lower case.
void RegleAccentPhonetique(QString& t) {
    QStringList pieces = t.split(u".{."_s);
    for (qsizetype k = 0; k + 1 < pieces.size(); ++k) {
        QString& avant = pieces[k];
        QString& apres = pieces[k + 1];
        const qsizetype point = avant.lastIndexOf(u'.');
        const QStringView dernier = QStringView(avant).mid(point + 1);
        if (EstVoyelle(dernier) || apres.isEmpty() || !EstVoyelle(apres[0])) continue;
        avant = avant.left(point + 1) + Majuscules(dernier);
        const qsizetype p = apres.indexOf(u'.');
        if (p >= 0) apres = Minuscules(QStringView(apres).left(p)) + apres.mid(p);
    }
    t = pieces.join(u".{."_s);
}

// Tumeli and phonetic input: in a word that begins with a vowel, the consonant right after the
// "{" moves to the front as "=" and a capital, and the mark goes to the end of the word.
void RegleAccentTumeli(QString& t) {
    QStringList mots = t.split(u".+."_s);
    bool change = false;
    for (QString& mot : mots) {
        const qsizetype p = mot.indexOf(u".{."_s);
        if (p < 0 || p + 3 >= mot.size()) continue;
        const QStringView avant = QStringView(mot).left(p);
        const QChar c = mot[p + 3];
        if (avant.isEmpty() || !EstVoyelle(avant[0]) || EstVoyelle(c)) continue;
        mot = u'=' + QString(c.toUpper()) + u'.' + Minuscules(avant) + mot.mid(p + 4) + u".{."_s;
        change = true;
    }
    if (change) t = mots.join(u".+."_s);
    FusionnerPoints(t);
}

// Classes every element and rebuilds the text with its word breaks. Returns true when a "{" mark
// was met.
bool PasseElements(const QString& t, QString& sortie) {
    // An element of L characters (and its separator) writes at most L + 5: written straight into a
    // buffer of that size, kept from one call to the next.
    const qsizetype n = t.size();
    sortie.resize(5 * n + 8);
    QChar* d = sortie.data();
    const auto poser = [&d](QStringView v) { d = std::copy(v.begin(), v.end(), d); };
    bool debutMot = true, marqueVue = false, sauter = false;
    qsizetype debut = 0;
    while (debut <= n) {
        qsizetype fin = debut;
        while (fin < n && t[fin] != u'.') ++fin;
        QStringView e = QStringView(t).mid(debut, fin - debut);
        debut = fin + 1;
        if (sauter) {
            sauter = false;
            continue;
        }
        if (e.isEmpty()) continue;
        const QChar c = e[0];
        if (c == u'%') {
            poser(e);
            poser(u".+.");
            continue;
        }
        if (c == u'!') {
            poser(e.left(2));
            poser(u".+.");
            sauter = true;
            continue;
        }
        const bool egal = c == u'=';
        if (egal) e = e.mid(1);
        if (e == u"+") {
            poser(u"+.");
            debutMot = true;
            continue;
        }
        if (egal || (c >= u'A' && c <= u'Z')) {
            if (!debutMot) poser(u".+.");
            if (egal) *d++ = u'=';
            poser(e);
            *d++ = u'.';
            debutMot = false;
        } else if ((c >= u'a' && c <= u'z') || c == u'|') {
            for (const QChar x : e) *d++ = Minuscule(x);
            *d++ = u'.';
        } else if (c >= u'0' && c <= u'9') {
            poser(e);
        } else if (e == u"-") {
            poser(u"-.");
        } else if (e == u"{") {
            poser(u"{.");
            marqueVue = true;
        }
    }
    sortie.truncate(d - sortie.constData());
    return marqueVue;
}

// "{.FH." followed by a vowel element and another element, in the last word: the second element
// moves in front as "=" and capitals, and "FH" is written in lower case.
void RecrireFH(QString& t) {
    const qsizetype p = t.indexOf(u"{.FH."_s);
    if (p < 0 || t.indexOf(u'+', p) >= 0) return;
    const QStringView apres = QStringView(t).mid(p + 5);
    const qsizetype p0 = apres.indexOf(u'.');
    if (p0 <= 0 || !EstMinusculeVoyelle(apres[0])) return;
    qsizetype p1 = apres.indexOf(u'.', p0 + 1);
    if (p1 < 0) p1 = apres.size();
    t = t.left(p) + u"{.fh.="_s + Majuscules(apres.mid(p0 + 1, p1 - p0 - 1)) + u'.' + Minuscules(apres.left(p0)) +
        apres.mid(p1).toString();
}

}  // namespace

bool EstVoyelle(QChar c) {
    switch (c.unicode()) {
    case u'a': case u'e': case u'i': case u'o': case u'u': case u'y':
    case u'A': case u'E': case u'I': case u'O': case u'U': case u'Y': return true;
    default: return false;
    }
}

bool EstVoyelle(QStringView texte) { return texte.size() == 1 && EstVoyelle(texte[0]); }

void NettoyerSeparateurs(QString& texte) {
    if (Contient(texte, u'@')) texte.replace(u"@"_s, u"+.!X."_s);
    // Each run of "." and "+" reduces by itself: ".." and "++" merge, "+.+" becomes ".+".
    // What is left depends only on the run's kinds of separator, its ends and its "+" groups,
    // and is never longer than the run.
    // Written over the text itself: what is written never passes what is read.
    const qsizetype n = texte.size();
    QChar* const s = texte.data();
    QChar* d = s;
    for (qsizetype i = 0; i < n;) {
        qsizetype j = i;
        while (j < n && !EstSeparateur(s[j])) ++j;
        if (d != s + i) std::copy(s + i, s + j, d);
        d += j - i;
        if (j == n) break;
        i = j;
        bool point = false, plus = false;
        int groupesPlus = 0;
        for (; j < n && EstSeparateur(s[j]); ++j) {
            if (s[j] == u'.') {
                point = true;
            } else {
                plus = true;
                if (j == i || s[j - 1] != u'+') ++groupesPlus;
            }
        }
        const QChar premier = s[i], dernier = s[j - 1];
        auto poser = [&](const char* t) { while (*t) *d++ = QLatin1Char(*t++); };
        if (!plus) poser(".");
        else if (!point) poser("+");
        else if (dernier == u'+') poser(".+");
        else if (premier == u'.' || groupesPlus >= 2) poser(".+.");
        else poser("+.");
        i = j;
    }
    texte.truncate(d - s);
    // Then the ends, one rule at a time in the order of the list; none of them can make a new
    // match inside the text.
    const QChar* const t = texte.constData();
    qsizetype deb = 0, fin = texte.size();
    for (;;) {
        const qsizetype n = fin - deb;
        if (n >= 1 && t[fin - 1] == u'.') fin -= 1;
        else if (n >= 2 && t[fin - 2] == u'.' && t[fin - 1] == u'+') fin -= 2;
        else if (n >= 1 && (t[deb] == u'.' || t[deb] == u'+')) deb += 1;
        else if (n >= 4 && t[deb] == u'{' && t[deb + 1] == u'.' && t[deb + 2] == u'{' && t[deb + 3] == u'.') deb += 2;
        else break;
    }
    if (fin < texte.size()) texte.truncate(fin);
    if (deb > 0) texte.remove(0, deb);
}

void AvancerMarques(QString& texte) {
    if (texte.contains(u'+')) {
        QString r;
        r.reserve(texte.size() + texte.size() / 4 + 2);
        for (const QStringView mot : QStringView(texte).split(u'+')) {
            r += u'+';
            const qsizetype p = mot.indexOf(u".{"_s);
            if (p < 0) {
                r += mot;
            } else {
                r += u"{."_s;
                r += mot.left(p);
                r += mot.mid(p + 2);
            }
        }
        texte = r;
        return;
    }
    // One word: the first ".{" goes and "{." is put in front, again while the word then begins
    // with "{.{." (whose first "{." goes). Built left to right: `faite` never holds ".{", so the
    // next ".{" is at its junction with the unread rest or further on.
    QString faite;
    faite.reserve(texte.size() + 2);
    const qsizetype n = texte.size();
    qsizetype i = 0;
    for (;;) {
        bool trouve = false;
        while (i < n) {
            if (texte[i] == u'{' && !faite.isEmpty() && faite.back() == u'.') {
                faite.chop(1);
                ++i;
                trouve = true;
                break;
            }
            faite += texte[i++];
        }
        if (!trouve) break;
        auto car = [&](qsizetype k) -> QChar {
            if (k < faite.size()) return faite[k];
            k += i - faite.size();
            return k < n ? texte[k] : QChar();
        };
        if (car(0) == u'{' && car(1) == u'.') continue;  // "{." + that text begins with "{.{."
        faite = u"{."_s + faite + texte.mid(i);
        break;
    }
    texte = faite;
}

namespace {

// The characters the last rules of the normaliser look for.
struct Presence {
    bool accolade = false;  // "{"
    bool signe = false;     // "!"
    bool o = false;         // "o"
};

Presence Lire(const QString& t) {
    Presence p;
    for (const QChar c : t) {
        p.accolade |= c == u'{';
        p.signe |= c == u'!';
        p.o |= c == u'o';
    }
    return p;
}

}  // namespace

void Normaliser(Contexte& ctx, QString& textePointe) {
    EtatProgramme& e = ctx.etat;
    QString t = std::move(textePointe);  // rewritten below in any case
    ReparerMarqueurs(t);
    if (Contient(t, u'{') && t.contains(u".{."_s)) {
        if (e.Langue == Langues::Phonetique) RegleAccentPhonetique(t);
        if (e.Langue == Langues::Tumeli || e.Langue == Langues::Phonetique) RegleAccentTumeli(t);
    }
    NettoyerSeparateurs(t);
    QString& travail = e.ChaineTravail;
    const bool marques = PasseElements(t, travail);
    NettoyerSeparateurs(travail);
    if (marques) {
        AvancerMarques(travail);
        NettoyerSeparateurs(travail);
    }
    const Presence p = Lire(travail);
    if (p.signe) {
        const qsizetype points = travail.indexOf(u"!P.+.!P.+.!P"_s);
        if (points >= 0) travail.replace(points, 12, u"!3.+.!0.+.!0"_s);
    }
    if (p.accolade) {
        if (travail.contains(u"+{"_s)) travail.replace(u"+{"_s, u"+.{"_s);
        RecrireFH(travail);
    }
    if (p.o && travail.contains(u"+.ou."_s)) travail.remove(u"+.ou."_s);
    textePointe.swap(travail);
    // The text read keeps its room as the next scratch.
    travail = std::move(t);
    travail.resize(0);
}
