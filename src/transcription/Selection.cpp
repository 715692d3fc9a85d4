#include "transcription/Selection.h"

#include "base/Contexte.h"
#include "base/Texte8Bits.h"
#include "config/Bornes.h"
#include "config/Legendes.h"
#include "drawing/Dessin.h"
#include "drawing/Scanners.h"
#include "layout/AffichageEtat.h"
#include "layout/ChangementEcriture.h"
#include "layout/Lignes.h"
#include "layout/LimiteDroite.h"

#include <QFont>
#include <QFontMetricsF>
#include <cmath>

namespace {

// The surface font: 8 + 4 × Taille points of the metric-compatible sans-serif.
void PoliceSurface(Contexte& ctx) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSize(8 + 4 * ctx.etat.Taille);
    ctx.surface.FixerPolice(f);
}

}  // namespace

void ChoisirEcriture(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    const int precedente = CodeEcriture(ctx.fenetre.Texte(QStringLiteral("CmdScaqh")));
    ctx.fenetre.FixerTexte(QStringLiteral("CmdScaqh"), LegendeEcriture(e.Ecriture));
    if (e.Ecriture >= 0 && e.Ecriture <= 2 && e.Ecriture == precedente) {
        EffacePoints(ctx);
        return;
    }
    ScanFinTexte(ctx, Bande::Ligne);
    switch (e.Ecriture) {
    case 0:
        e.PosX = e.MargeGauche != e.XFinGlyphe ? e.XFinGlyphe + e.LargeurBlanc : e.MargeGauche;
        break;
    case 1:
        e.PosX = qMax(e.XFinGlyphe, e.MargeGauche);
        break;
    case 2:
        e.PosX = e.XFinGlyphe + e.LargeurBlanc;
        if (e.PosX <= 2 * e.MargeGauche) e.PosX = e.MargeGauche;
        break;
    case 3:
        e.PosX = qMax(e.XFinGlyphe + e.LargeurBlanc, e.MargeGauche);
        break;
    default: break;
    }
    e.XDebutMot = e.PosX;
    EffacePoints(ctx);
}

void ChoisirLangue(Contexte& ctx, QString& marqueur) {
    if (marqueur.size() >= 3 && marqueur.startsWith(u'%')) marqueur = marqueur.right(2);
    static const char16_t* const kCodes[] = {u"TU", u"FR", u"EN", u"PH"};
    for (int i = 0; i < 4; ++i)
        if (marqueur == QString::fromUtf16(kCodes[i])) ctx.etat.Langue = static_cast<int16_t>(i);
    AfficherLangue(ctx);
}

void FixerCouleur(Contexte& ctx, double n) { ctx.etat.NumCouleur = n; }

namespace {
// A marker's number as a box shows it: whole, never in exponent form, so that reading it back
// gives the same value.
QString TexteNombre(double n) { return std::fabs(n) < 1e6 ? QString::number(n) : QString::number(n, 'f', 0); }
}  // namespace

void FixerInterligne(Contexte& ctx, double n) {
    const QString texte = TexteNombre(n);
    ctx.fenetre.FixerTexte(QStringLiteral("TxtHauteurLigne"), texte);
    HauteurLigneSaisie(ctx, texte);
}

void FixerBlanc(Contexte& ctx, double n) {
    ctx.etat.Blanc = BorneBlanc(n);
    ctx.etat.LargeurBlanc = ctx.etat.Blanc * ctx.etat.Taille;
}

void TailleSaisie(Contexte& ctx, const QString& texte) {
    EtatProgramme& e = ctx.etat;
    e.Taille = BorneTaille(Val(texte));
    e.LargeurBlanc = e.Blanc * e.Taille;
    e.PasLigne = e.HauteurLigne * e.Taille;
}

void HauteurLigneSaisie(Contexte& ctx, const QString& texte) {
    EtatProgramme& e = ctx.etat;
    e.HauteurLigne = BorneHauteurLigne(Val(texte));
    e.PasLigne = e.HauteurLigne * e.Taille;
}

void FixerTaille(Contexte& ctx, double n) {
    EtatProgramme& e = ctx.etat;
    const QString texte = TexteNombre(n);
    ctx.fenetre.FixerTexte(QStringLiteral("TxtTaille"), texte);
    TailleSaisie(ctx, texte);
    CalculeMargeLimite(ctx);
    ctx.fenetre.FixerTexte(QStringLiteral("TxtTaille"), QString::number(e.Taille));
    e.HauteurCaractere = e.Taille * e.UniteHauteur;
    e.LargeurBlanc = e.Blanc * e.Taille;
    e.PasLigne = e.HauteurLigne * e.Taille;
    PoliceSurface(ctx);
    e.ProfondeurRelief = e.Relief ? e.Taille : 0;
    if (e.YLigne == 0 || !e.PageEntamee) {
        e.YLigne = e.PasLigne;
        e.PosY = e.YLigne;
    }
}

MarqueurNumerique LireMarqueurNumerique(QStringView v) {
    static const struct { const char16_t* nom; void (*fixer)(Contexte&, double); } kNumeriques[] = {
        {u"%COL", FixerCouleur}, {u"%LIN", FixerInterligne}, {u"%BLA", FixerBlanc}, {u"%TAI", FixerTaille}};
    for (const auto& m : kNumeriques)
        if (v.startsWith(QStringView(m.nom))) {
            int n = 0;
            while (n < 3 && 4 + n < v.size() && v[4 + n].isDigit()) ++n;
            return {4 + n, m.fixer, Val(v.mid(4, n).toString())};
        }
    return {};
}

namespace {

// A marker at position i of the text: its length, after running it; 0 when there is none.
int MarqueurLatin(Contexte& ctx, const QString& t, qsizetype i) {
    EtatProgramme& e = ctx.etat;
    const QStringView v = QStringView(t).mid(i);
    if (!v.startsWith(u'%')) return 0;
    if (v.startsWith(u"%saut")) {
        NouvelleLigne(ctx);
        return 5;
    }
    if (const MarqueurNumerique m = LireMarqueurNumerique(v); m.longueur > 0) {
        m.fixer(ctx, m.valeur);
        return m.longueur;
    }
    static const char16_t* const kScripts[] = {u"%ev", u"%od", u"%la", u"%ai"};
    for (int k = 0; k < 4; ++k)
        if (v.startsWith(QStringView(kScripts[k]))) {
            e.Ecriture = static_cast<int16_t>(k);
            if (k <= 1) ChoisirEcriture(ctx);
            return 3;
        }
    for (const char16_t* l : {u"%TU", u"%FR", u"%EN", u"%PH"})
        if (v.startsWith(QStringView(l))) {
            QString m = QString::fromUtf16(l);
            ChoisirLangue(ctx, m);
            return 3;
        }
    return 0;
}

// Before the first letter of a word: a new line when the word would cross the right limit.
void ControlerMotLatin(Contexte& ctx, const QString& t, qsizetype i) {
    EtatProgramme& e = ctx.etat;
    if (i > 0 && t[i - 1] != u' ' && t[i - 1] != u'\r') return;
    qsizetype fin = i;
    while (fin < t.size() && t[fin] != u' ' && t[fin] != u'\r') ++fin;
    const double largeur = QFontMetricsF(ctx.surface.Police()).horizontalAdvance(t.mid(i, fin - i));
    e.LimiteDroite = LimiteDroiteVisible(ctx);
    const double finMot = e.PosX + 3 * e.Taille + largeur;
    if (e.PosX > 2 * e.MargeGauche && (finMot >= e.LimiteDroite || (e.MargeDroite != 0 && finMot > e.MargeDroite))) {
        e.SautPermis = true;
        NouvelleLigne(ctx);
    }
}

}  // namespace

void ImprimerLatin(Contexte& ctx, const QString& texte) {
    EtatProgramme& e = ctx.etat;
    Surface& s = ctx.surface;
    for (qsizetype i = 0; i < texte.size();) {
        if (e.Ecriture != e.EcriturePrecedente) {
            e.EcritureAvantLatin = e.EcriturePrecedente;
            e.EcritureNouvelle = e.Ecriture;
            ChangementEcriture(ctx);
        }
        if (const int n = MarqueurLatin(ctx, texte, i)) {
            i += n;
            continue;
        }
        const QChar c = texte[i++];
        if (c == u'\r') {
            NouvelleLigne(ctx);
            e.RetourForce = true;
        } else if (c == u' ') {
            s.FixerPositionTexte(e.PosX, e.PosY - e.HauteurCaractere + 8 * (e.Taille - 1));
            s.ImprimerTexte(QStringLiteral(" "));
            e.PosX += s.Police().pointSizeF() * 1.9;
            e.ApresEspaceLatin = true;
        } else if (c.unicode() >= 32) {
            ControlerMotLatin(ctx, texte, i - 1);
            if (!e.ApresEspaceLatin) {
                ScanFinTexte(ctx, Bande::Ligne);
                e.PosX = e.XFinGlyphe + 3 * e.Taille;
            }
            s.FixerCouleurTrait(e.CouleurTexte);
            s.FixerPositionTexte(e.PosX, (e.PosY - e.HauteurCaractere) + 8 * (e.Taille - 1));
            s.ImprimerTexte(QString(c));
            e.ApresEspaceLatin = false;
            e.PageEntamee = true;
        }
        e.EcriturePrecedente = e.Ecriture;
    }
}
