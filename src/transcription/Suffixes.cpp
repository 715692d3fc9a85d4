#include "base/Contexte.h"
#include "config/Tables.h"
#include "transcription/Prononciation.h"

#include <algorithm>

namespace {

// The suffix separation counts lower-case vowels only.
bool Voyelle(QChar c) {
    switch (c.unicode()) {
    case u'a': case u'e': case u'i': case u'o': case u'u': case u'y': return true;
    default: return false;
    }
}

bool Blanc(QStringView t) {
    return std::all_of(t.begin(), t.end(), [](QChar c) { return c == u' '; });
}

QString SansEspaces(const QString& t) {
    qsizetype d = 0, f = t.size();
    while (d < f && t[d] == u' ') ++d;
    while (f > d && t[f - 1] == u' ') --f;
    return t.mid(d, f - d);
}

// A part is worth a suffix search when it has at least two vowels, and more than two when its
// first two are side by side.
bool AssezLong(QStringView y) {
    qsizetype premiere = -1, seconde = -1;
    int nombre = 0;
    for (qsizetype i = 0; i < y.size(); ++i) {
        if (!Voyelle(y[i])) continue;
        if (nombre == 0) premiere = i;
        else if (nombre == 1) seconde = i;
        ++nombre;
    }
    if (nombre == 0 || premiere == y.size() - 1 || nombre == 1) return false;
    return !(nombre == 2 && seconde == premiere + 1);
}

// The first suffix of the table that ends `y` after a stem with a vowel is cut off with "_" (and
// replaced when its entry says so); a vowel suffix after a vowel stem stops the search uncut.
void ChercherSuffixe(const Contexte& ctx, QString& y) {
    if (ctx.etat.Langue != Langues::Tumeli || ctx.etat.ModeSon == 2) return;
    y = SansEspaces(y);
    const Tables& t = ctx.tables;
    const int dernier = std::min(t.NombreSuffixes, Tables::NbSuffixes - 1);
    for (int k = 1; k <= dernier; ++k) {
        const QString& f = t.TableSuffixes[k][0];
        if (f.isEmpty() || y.size() <= f.size() || !y.endsWith(f)) continue;
        const QStringView radical = QStringView(y).left(y.size() - f.size());
        if (Voyelle(f[0]) && Voyelle(radical.back())) return;
        if (std::any_of(radical.begin(), radical.end(), Voyelle)) {
            const QString& remplacement = t.TableSuffixes[k][1].isEmpty() ? f : t.TableSuffixes[k][1];
            y = radical.toString() + u'_' + remplacement;
            return;
        }
    }
}

// Returns whether the part passed the vowel test.
bool TraiterPartie(const Contexte& ctx, QString& y) {
    if (!AssezLong(y)) return false;
    ChercherSuffixe(ctx, y);
    return true;
}

void TraiterMorceau(const Contexte& ctx, QString& morceau) {
    bool assezLong = false;
    if (morceau.contains(u'_')) {
        QStringList faites;
        for (QString& partie : morceau.split(u'_')) {
            if (Blanc(partie)) continue;
            assezLong = TraiterPartie(ctx, partie);
            faites << partie;
        }
        morceau = faites.join(u'_');
    } else {
        assezLong = TraiterPartie(ctx, morceau);
    }
    if (assezLong) ChercherSuffixe(ctx, morceau);
}

}  // namespace

void SepareSuffixe(Contexte& ctx, QString& texte) {
    if (texte.size() == 1) return;
    QString x = texte, signes;
    const qsizetype p = x.indexOf(u'!');
    if (p >= 0) {
        signes = x.mid(p);
        x.truncate(p);
    }
    if (x.contains(u'-')) {
        QStringList faits;
        for (QString& morceau : x.split(u'-')) {
            if (Blanc(morceau)) continue;
            TraiterMorceau(ctx, morceau);
            faits << morceau;
        }
        x = faits.join(u'-');
    } else {
        TraiterMorceau(ctx, x);
    }
    texte = x + signes;
}
