#include "app/cli/ContexteConsole.h"
#include "app/cli/Options.h"
#include "app/cli/SousCommandes.h"
#include "transcription/Prononciation.h"

// velmor prepare WORD... --langue TU|FR|EN|PH [--dossier DIR] [--son N]
// One line per word; a word held back by its entry gives an empty line and goes before the next.
int CommandePrepare(const QStringList& args, const QString& dossier, QTextStream& sortie, QTextStream& erreurs) {
    const auto o = LireOptions(args, {}, erreurs);
    if (!o) return 2;
    if (o->positions.isEmpty() || !o->Drapeau(QStringLiteral("--langue"))) {
        erreurs << "usage: velmor prepare WORD... --langue TU|FR|EN|PH [--dossier DIR] [--son N]" << Qt::endl;
        return 2;
    }
    ContexteConsole c(1, 1, o->Valeur(QStringLiteral("--dossier"), dossier), erreurs);
    EtatProgramme& e = c.ctx->etat;
    if (!OptionLangue(*o, e.Langue, erreurs)) return 2;
    double son = 0;
    if (!OptionNombre(*o, QStringLiteral("--son"), 0, 0, 9, son, erreurs)) return 2;
    e.ModeSon = static_cast<int>(son);
    for (const QString& mot : o->positions) {
        QString w = mot;
        PrepareMot(*c.ctx, w);
        sortie << w << Qt::endl;
    }
    return 0;
}
