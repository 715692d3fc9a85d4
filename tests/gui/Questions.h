#pragma once
// The questions a window test answers: each one kept in `messages`, answered from `reponses` in
// order, then `parDefaut`.

#include "app/windows/FenetrePrincipale.h"

#include <QStringList>
#include <deque>

struct Questions {
    FenetrePrincipale::Repondeur Repondre() {
        return [this](const QString& texte) {
            messages << texte;
            if (reponses.empty()) return parDefaut;
            const Reponse r = reponses.front();
            reponses.pop_front();
            return r;
        };
    }

    QStringList messages;
    std::deque<Reponse> reponses;
    Reponse parDefaut = Reponse::Oui;
};
