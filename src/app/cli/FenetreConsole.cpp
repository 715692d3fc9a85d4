#include "app/cli/FenetreConsole.h"

void FenetreConsole::Information(const QString& texte, const QString&) {
    QString ligne = texte;
    ligne.replace(u'\n', u' ').remove(u'\r');
    erreurs_ << ligne << Qt::endl;
}

Reponse FenetreConsole::Question(const QString& texte, Boutons, const QString& titre) {
    Information(texte, titre);
    return Reponse::Oui;
}
