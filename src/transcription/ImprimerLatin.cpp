#include "transcription/ImprimerLatin.h"

#include "base/Contexte.h"
#include "drawing/Scanners.h"
#include "layout/ChangementEcriture.h"
#include "layout/Lignes.h"
#include "layout/LimiteDroite.h"
#include "transcription/Marqueurs.h"

#include <QFontMetricsF>

namespace {

// A marker at position i of the text: its length, after running it; 0 when there is none.
int MarqueurLatin(Contexte& ctx, const QString& t, qsizetype i) {
    const MarqueurLu m = LireMarqueur(QStringView(t).mid(i));
    if (!m) return 0;
    ExecuterMarqueur(ctx, m);
    return static_cast<int>(m.longueur);
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
            const bool debut = i == 1 || texte[i - 2] == u' ' || texte[i - 2] == u'\r';
            if (!e.LimiteAtteinte) ControlerMotLatin(ctx, texte, i - 1);
            if (e.LimiteAtteinte) {  // nothing is drawn past the limit
                if (debut) ++e.MotsPerdus;
                continue;
            }
            if (debut) ++e.MotsEcrits;
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
