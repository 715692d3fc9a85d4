#include "drawing/Signes.h"

#include "base/Contexte.h"
#include "base/Texte8Bits.h"
#include "drawing/Dessin.h"
#include "drawing/Entrees.h"
#include "drawing/Scanners.h"

namespace {

const QString& EntreeSigne(const Tables& t, QChar signe) {
    static const QString vide;
    const int i = Code1252(signe) - 33;
    return i >= 0 && i < Tables::NbSignes ? t.TableSignes[i] : vide;
}

int ChiffreAvance(const QString& entree) {
    return !entree.isEmpty() && entree[0] >= u'0' && entree[0] <= u'9' ? entree[0].unicode() - u'0' : 0;
}

// The character whose TableSignes entry draws the sign of a code letter.
QChar SigneDuCode(QChar code) {
    switch (code.unicode()) {
    case u'P': case u'0': return u'.';
    case u'3': return u'¤';
    case u'Q': return u'^';
    case u'E': return u'+';
    case u'B': return u'@';
    case u'S': return u'ù';
    case u'C': return u'=';
    default: return code;
    }
}

}  // namespace

void DessineSigne(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    e.PhaseDessinPrecedente = e.PhaseDessin;
    e.PhaseDessin = QStringLiteral("P9");
    e.SautPermis = true;
    e.AvanceGlyphe = 0;
    const qsizetype i = e.MotSigne.indexOf(u'!');
    if (i < 0 || i + 1 >= e.MotSigne.size()) {
        e.CodeSigne.clear();
        return;
    }
    e.CodeSigne = e.MotSigne.mid(i + 1, 1).toUpper();
    const QChar code = e.CodeSigne[0];
    const double t = e.Taille;
    const double r = e.Relief && e.Taille == 1 ? 2 : 0;
    const bool accent = code == u'M' || code == u'A';

    const QChar signe = SigneDuCode(code);
    double supplement = 2 * e.LargeurBlanc;
    switch (code.unicode()) {
    case u'Q': supplement = 0; break;
    case u'E': case u'B': case u'S': supplement = 22 * t - r; break;
    case u'C': supplement = 24 * t - r; break;
    default: break;
    }

    if (accent) {
        // Form 1 leaves the stress sign to the syllable drawer, which puts it on the next glyph.
        if (e.FormeSigne == 1) return;
        ScanFinTexte(ctx, Bande::Pleine);
        const QString& precedent = EntreeGlyphe(ctx.tables, e.LettreComposee, e.FormeComposee);
        if (e.XFinGlyphe <= e.MargeGauche)
            e.PosX = e.MargeGauche;
        else if (SansPartie(precedent, 31))
            e.PosX = e.XFinGlyphe + t;  // nothing trails the glyph: the sign hugs it
        else
            e.PosX = e.XFinGlyphe + e.LargeurBlanc / 2;  // clear of the glyph's trailing part
        e.PosX += e.ProfondeurRelief;
        supplement = e.LargeurBlanc;
    } else {
        ScanFinTexte(ctx, Bande::Pleine);
        e.PosX = e.XFinGlyphe + e.LargeurBlanc + e.ProfondeurRelief;
    }
    e.XTrace = e.PosX;
    e.XAttache = e.PosX + DecalageAttache(ctx);

    const QString& entree = EntreeSigne(ctx.tables, signe);
    if (code != u'0') {
        if (entree.isEmpty()) {
            ctx.fenetre.Information(QStringLiteral("Pas de POHCT  ''") + code + QStringLiteral("''  ASC(") +
                                    NombreAvecSigne(Code1252(code)) + QStringLiteral(")"));
        } else {
            double x = e.PosX, y = e.PosY;
            Dessin(ctx, entree, x, y, 2, e.CouleurTexte, QString(signe));
            if (signe == u'#' && !e.LimiteAtteinte && !e.ModeRecherche) {
                // The cursor dot marks where the numbered item's text begins.
                e.XPointCurseur = e.PosX + t * ChiffreAvance(entree) + e.LargeurBlanc;
                e.YPointCurseur = e.PosY - 6 * t;
                e.PointCurseurPose = true;
                ctx.surface.Point(e.XPointCurseur, e.YPointCurseur, e.CouleurTexte);
            }
        }
    }
    e.AvanceGlyphe = supplement + t * ChiffreAvance(entree);
}

double LargeurSigne(const Contexte& ctx, QStringView motSigne) {
    const qsizetype i = motSigne.indexOf(u'!');
    if (i < 0 || i + 1 >= motSigne.size()) return 0;
    const QChar code = motSigne[i + 1].toUpper();
    if (code == u'M' || code == u'A' || code == u'0') return 0;
    const EtatProgramme& e = ctx.etat;
    return e.LargeurBlanc + e.ProfondeurRelief + e.Taille * ChiffreAvance(EntreeSigne(ctx.tables, SigneDuCode(code)));
}
