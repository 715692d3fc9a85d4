#pragma once
// Standard output and error kept as text: a sub-command run with them, or streams for the console editor.

#include "app/cli/Commandes.h"

#include <QStringList>
#include <QTextStream>

struct Sortie {
    QString out, err;
    QTextStream so{&out}, se{&err};
    int Lancer(const QStringList& args, const QString& dossier = {}) {
        const int r = ExecuterSousCommande(args, dossier, so, se);
        so.flush();
        se.flush();
        return r;
    }
    QStringList Lignes() const {
        QStringList l = out.split(u'\n');
        if (!l.isEmpty() && l.back().isEmpty()) l.removeLast();
        return l;
    }
};
