#include "app/cli/Commandes.h"

#include "app/cli/SousCommandes.h"

namespace {

struct Entree {
    const char* nom;
    SousCommande fonction;
};

constexpr Entree kCommandes[] = {
    {"chemin", CommandeChemin},
    {"normalise", CommandeNormalise},
    {"prepare", CommandePrepare},
    {"syllabes", CommandeSyllabes},
    {"render", CommandeRendu},
    {"specimen", CommandeSpecimen},
    {"rapport", CommandeRapport},
};

}  // namespace

bool EstSousCommande(const QStringList& args) {
    if (args.isEmpty()) return false;
    for (const Entree& e : kCommandes)
        if (args[0] == QLatin1String(e.nom)) return true;
    return false;
}

int ExecuterSousCommande(const QStringList& args, const QString& dossier, QTextStream& sortie, QTextStream& erreurs) {
    for (const Entree& e : kCommandes)
        if (args.value(0) == QLatin1String(e.nom)) return e.fonction(args, dossier, sortie, erreurs);
    erreurs << "velmor: unknown command " << args.value(0) << Qt::endl;
    return 2;
}
