#include "app/cli/ContexteConsole.h"
#include "app/cli/Commandes.h"
#include "app/cli/SousCommandes.h"
#include "transcription/Prononciation.h"

// velmor prepare MOT... --langue LANGUE [--dossier DOSSIER] [--son N]
// One line per word; a word held back by its entry gives an empty line and goes before the next.
int CommandePrepare(const QStringList& args, const QString& dossier, QTextStream& sortie, QTextStream& erreurs) {
    const auto o = LireOptions(args, erreurs);
    if (!o) return kSortieUsage;
    if (o->positions.isEmpty() || !o->Drapeau(QStringLiteral("--langue"))) {
        ErreurUsage(erreurs, o->commande, QStringLiteral("il faut au moins un MOT et --langue"));
        return kSortieUsage;
    }
    ContexteConsole c(1, 1, o->Valeur(QStringLiteral("--dossier"), dossier), erreurs);
    EtatProgramme& e = c.ctx->etat;
    if (!OptionLangue(*o, e.Langue, erreurs)) return kSortieUsage;
    double son = 0;
    if (!OptionNombre(*o, QStringLiteral("--son"), 0, 0, 9, son, erreurs)) return kSortieUsage;
    e.ModeSon = static_cast<int>(son);
    for (const QString& mot : o->positions) {
        QString w = mot;
        PrepareMot(*c.ctx, w);
        sortie << w << Qt::endl;
    }
    return kSortieReussie;
}
