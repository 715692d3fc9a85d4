#include "app/cli/FenetreConsole.h"

#include "app/cli/ContexteConsole.h"

namespace {
void (*gBranchement)(Contexte&) = nullptr;
}  // namespace

void FixerBranchementConsoles(void (*brancher)(Contexte&)) { gBranchement = brancher; }
void BrancherConsole(Contexte& ctx) {
    if (gBranchement) gBranchement(ctx);
}

void FenetreConsole::Information(const QString& texte, const QString&) {
    if (barre) barre->Effacer();
    QString t = texte;
    t.replace(u'\r', u'\n');
    const QStringList lignes = t.split(u'\n', Qt::SkipEmptyParts);
    // A limit met again at every key ("Hauteur maximum de l'image atteinte." and the height it is
    // at) is said once: a message whose first line is the last one's is not printed again until
    // another was.
    const QString premiere = lignes.value(0);
    if (premiere == dernier_) return;
    dernier_ = premiere;
    for (const QString& ligne : lignes) erreurs_ << ligne << Qt::endl;
}

Reponse FenetreConsole::Question(const QString& texte, Boutons, const QString& titre) {
    Information(texte, titre);
    return Reponse::Oui;
}
