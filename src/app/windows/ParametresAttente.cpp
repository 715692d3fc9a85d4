// PROVISIONAL stand-ins (weak symbols) for the settings routines; the real ones replace them.
#include "app/windows/ParametresAttente.h"

#include "base/Contexte.h"
#include "config/Parametres.h"

__attribute__((weak)) void EcrireParametres(Contexte&) {}

__attribute__((weak)) void MNU_Defaut_Click(Contexte& ctx) {
    const QString q = QStringLiteral("Voulez-vous vraiment réinitialiser les paramètres ?\n\n"
                                     "(Nouveaux paramètres par défaut: Noir sur Blanc, etc.)");
    if (ctx.fenetre.Question(q, Boutons::OuiNonAnnuler) != Reponse::Oui) return;
    AppliquerParametresParDefaut(ctx);
    CompleterParametres(ctx);
}

// The A4 switch: free height, or 775 x 1130 pixel screens with a right margin.
__attribute__((weak)) void AppliquerFormatA4(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    if (!e.FormatA4) {
        e.MargeDroite = 0;
        e.HauteurPageA4 = 0;
        ctx.fenetre.FixerImage(QStringLiteral("A4"), 33);
        return;
    }
    e.MargeDroite = 775;
    e.HauteurPageA4 = 1130;
    ctx.fenetre.FixerImage(QStringLiteral("A4"), 34);
    ctx.surface.Redimensionner(775, 1130);
    e.LimiteDroite = e.MargeDroite;
}
