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
    for (const QString& ligne : t.split(u'\n', Qt::SkipEmptyParts)) erreurs_ << ligne << Qt::endl;
}

Reponse FenetreConsole::Question(const QString& texte, Boutons, const QString& titre) {
    Information(texte, titre);
    return Reponse::Oui;
}
