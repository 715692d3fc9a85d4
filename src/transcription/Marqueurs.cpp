#include "transcription/Marqueurs.h"

#include "base/Contexte.h"
#include "base/Texte8Bits.h"
#include "layout/Lignes.h"
#include "transcription/ReglagesEcriture.h"

#include <algorithm>

namespace {

using A = ActionMarqueur;
namespace E = Ecritures;
namespace L = Langues;

constexpr qsizetype kLongueurTrait = 35;  // the marker and four numbers of 8 characters: X1, Y1, X2, Y2
constexpr int kChiffresMax = 3;           // digits a number marker takes

// The markers, in the order they are tried. A marker matches in any case; one that takes a number
// is followed by at most three digits (none gives 0).
//
//   name     action       code         number  pasted  typed   dotted forms repaired
constexpr Marqueur kMarqueurs[] = {
    {u"%ev",   A::Ecriture,   E::Velmor,     false,  false,  false,  {u"%.e.v"}},
    {u"%od",   A::Ecriture,   E::Dorvane,    false,  false,  false,  {u"%.o.d"}},
    {u"%la",   A::Ecriture,   E::Latine,     false,  false,  false,  {u"%.L.a"}},
    {u"%ai",   A::Ecriture,   E::API,        false,  false,  false,  {u"%.a.i", u"%.A.i"}},
    {u"%TU",   A::Langue,     L::Tumeli,     false,  false,  false,  {u"%.T.u", u"%.T.U"}},
    {u"%FR",   A::Langue,     L::Francais,   false,  false,  false,  {u"%.F.r", u"%.F.R"}},
    {u"%EN",   A::Langue,     L::Anglais,    false,  false,  false,  {u"%.E.n", u"%.E.N"}},
    {u"%PH",   A::Langue,     L::Phonetique, false,  false,  false,  {u"%.P.h", u"%.P.H"}},
    {u"%saut", A::Saut,       0,             false,  false,  false,  {u"%.s.a.u.t"}},
    {u"%COL",  A::Couleur,    0,             true,   false,  false,  {u"%.C.O.L"}},
    {u"%LIN",  A::Interligne, 0,             true,   false,  false,  {u"%.L.I.N"}},
    {u"%BLA",  A::Blanc,      0,             true,   false,  false,  {u"%.B.L.A"}},
    {u"%TAI",  A::Taille,     0,             true,   false,  false,  {}},
    {u"%REL",  A::Relief,     0,             true,   false,  false,  {u"%.R.E.L"}},
    {u"%µT",   A::Trait,      0,             false,  true,   false,  {}},
    {u"%ert",  A::Efface,     0,             false,  false,  true,   {}},
};

bool Lisible(const Marqueur& m, Lecture ou) {
    return (!m.collage || ou == Lecture::Collage) && (!m.frappe || ou == Lecture::Frappe);
}

QStringView Vue(std::u16string_view s) { return QStringView(s.data(), static_cast<qsizetype>(s.size())); }

// The marker `m` read at position `p` of `v`: its digits and their value.
MarqueurLu Lu(const Marqueur& m, QStringView v, qsizetype p) {
    qsizetype fin = p + static_cast<qsizetype>(m.nom.size());
    if (m.action == A::Trait) return {&m, qMin(kLongueurTrait, v.size() - p), 0};
    if (!m.nombre) return {&m, fin - p, 0};
    const qsizetype debut = fin;
    while (fin < v.size() && fin - debut < kChiffresMax && v[fin] >= u'0' && v[fin] <= u'9') ++fin;
    return {&m, fin - p, Val(v.mid(debut, fin - debut).toString())};
}

const Marqueur* Trouver(A action, int code) {
    for (const Marqueur& m : kMarqueurs)
        if (m.action == action && (m.code == code || (action != A::Ecriture && action != A::Langue))) return &m;
    return nullptr;
}

}  // namespace

std::span<const Marqueur> Marqueurs() { return kMarqueurs; }

MarqueurLu LireMarqueur(QStringView v, Lecture ou) {
    if (!v.startsWith(u'%')) return {};
    for (const Marqueur& m : kMarqueurs)
        if (Lisible(m, ou) && v.startsWith(Vue(m.nom), Qt::CaseInsensitive)) return Lu(m, v, 0);
    return {};
}

MarqueurLu MarqueurFrappe(QStringView mot) {
    const MarqueurLu m = LireMarqueur(mot, Lecture::Frappe);
    return m && (m.marqueur->nombre || m.longueur == mot.size()) ? m : MarqueurLu{};
}

MarqueurLu MarqueurDansMot(QStringView mot) {
    if (!mot.contains(u'%')) return {};
    for (const Marqueur& m : kMarqueurs) {
        if (!Lisible(m, Lecture::Texte)) continue;
        const qsizetype p = mot.indexOf(Vue(m.nom), 0, Qt::CaseInsensitive);
        if (p >= 0) return Lu(m, mot, p);
    }
    return {};
}

std::array<double, 4> PointsTrait(QStringView v) {
    // Each number is read from six characters at 6, 14, 22 and 30 (counted from 1).
    const QString m = v.left(kLongueurTrait).toString();
    auto nombre = [&](int debut) { return Val(m.mid(debut - 1, 6)); };
    return {nombre(6), nombre(14), nombre(22), nombre(30)};
}

void ExecuterMarqueur(Contexte& ctx, const MarqueurLu& lu, QStringView v) {
    EtatProgramme& e = ctx.etat;
    if (!lu) return;
    const Marqueur& m = *lu.marqueur;
    switch (m.action) {
    case A::Ecriture:
        e.Ecriture = m.code;
        ChoisirEcriture(ctx);
        break;
    case A::Langue: {
        QString code = CodeLangue(m.code);
        ChoisirLangue(ctx, code);
        break;
    }
    case A::Saut:
        e.SautPermis = true;
        NouvelleLigne(ctx);
        break;
    case A::Couleur: FixerCouleur(ctx, lu.valeur); break;
    case A::Interligne: FixerInterligne(ctx, lu.valeur); break;
    case A::Blanc: FixerBlanc(ctx, lu.valeur); break;
    case A::Taille: FixerTaille(ctx, lu.valeur); break;
    case A::Relief: FixerRelief(ctx, lu.valeur); break;
    case A::Trait: {
        const auto [x1, y1, x2, y2] = PointsTrait(v);
        ctx.surface.FixerCouleurTrait(e.CouleurTexte);
        ctx.surface.Ligne(x1, y1, x2, y2);
        e.Tampon.clear();
        break;
    }
    case A::Efface: e.TexteEnCours.clear(); break;
    }
}

QString NomMarqueurEcriture(int ecriture) {
    const Marqueur* m = Trouver(A::Ecriture, ecriture);
    return m ? Vue(m->nom).toString() : QString();
}

QString NomMarqueurLangue(int langue) {
    const Marqueur* m = Trouver(A::Langue, langue);
    return m ? Vue(m->nom).toString() : QString();
}

QString NomMarqueur(ActionMarqueur action, int valeur) {
    if (action == A::Ecriture) return NomMarqueurEcriture(valeur);
    if (action == A::Langue) return NomMarqueurLangue(valeur);
    const Marqueur* m = Trouver(action, 0);
    if (!m) return {};
    return Vue(m->nom).toString() + (m->nombre ? QString::number(qBound(0, valeur, 999)) : QString());
}

QString MarqueursEtat(const EtatProgramme& e) {
    return NomMarqueurEcriture(e.Ecriture) + u' ' + NomMarqueurLangue(e.Langue) + u' ' + NomMarqueur(A::Taille, e.Taille);
}

QString CodeLangue(int langue) { return NomMarqueurLangue(langue).mid(1); }

int LangueDuCode(QStringView code) {
    if (code.startsWith(u'%')) code = code.sliced(1);
    for (const Marqueur& m : kMarqueurs)
        if (m.action == A::Langue && Vue(m.nom).sliced(1) == code) return m.code;
    return -1;
}

void ReparerMarqueurs(QString& t) {
    // Replacing each form everywhere, in the order of the table, comes to trying the table at each
    // "%": a form's letters are never "%", and no form begins another, so no replacement can make
    // or break a match at another "%".
    if (!t.contains(u'%')) return;
    QString r;
    r.reserve(t.size());
    qsizetype copie = 0;
    // The form at `p` and the marker it stands for; 0 when none begins there.
    const auto forme = [&t](qsizetype p) -> std::pair<qsizetype, const Marqueur*> {
        for (const Marqueur& m : kMarqueurs)
            for (const std::u16string_view f : m.pointes)
                if (!f.empty() && QStringView(t).mid(p).startsWith(Vue(f))) return {static_cast<qsizetype>(f.size()), &m};
        return {0, nullptr};
    };
    for (qsizetype p = t.indexOf(u'%'); p >= 0; p = t.indexOf(u'%', p + 1)) {
        const auto [longueur, m] = forme(p);
        if (!m) continue;
        r += QStringView(t).mid(copie, p - copie);
        r += Vue(m->nom);
        copie = p + longueur;
        p = copie - 1;
    }
    r += QStringView(t).mid(copie);
    t = r;
}
