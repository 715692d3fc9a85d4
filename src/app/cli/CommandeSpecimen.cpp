#include "app/cli/ContexteConsole.h"
#include "app/cli/Commandes.h"
#include "app/cli/SousCommandes.h"
#include "config/ChargeTables.h"
#include "drawing/Specimen.h"

// velmor specimen -o FICHIER [--taille N] [--ecriture velmor|dorvane] [--relief|--plat]
// Draws every glyph of the program tables, labelled with its syllable; without options, the eight
// panels of sizes 1 and 3, both scripts, with and without relief. Prints the count of glyph
// entries and the groups that draw the same pixels.
int CommandeSpecimen(const QStringList& args, const QString& dossier, QTextStream& sortie, QTextStream& erreurs) {
    const auto o = LireOptions(args, erreurs);
    if (!o) return kSortieUsage;
    if (!o->positions.isEmpty() || !o->Drapeau(QStringLiteral("-o"))) {
        ErreurUsage(erreurs, o->commande, QStringLiteral("il faut -o FICHIER, et aucun autre argument"));
        return kSortieUsage;
    }
    std::vector<int> tailles{1, 3}, ecritures{0, 1};
    std::vector<bool> reliefs{false, true};
    if (o->Drapeau(QStringLiteral("--taille"))) {
        double t;
        if (!OptionNombre(*o, QStringLiteral("--taille"), 1, 1, 20, t, erreurs)) return kSortieUsage;
        tailles = {static_cast<int>(t)};
    }
    if (o->Drapeau(QStringLiteral("--ecriture"))) {
        // velmor or dorvane: the parser refuses anything else.
        const QString e = o->Valeur(QStringLiteral("--ecriture")).toLower();
        ecritures = {e == u"dorvane" ? 1 : 0};
    }
    if (o->Drapeau(QStringLiteral("--relief"))) reliefs = {true};
    if (o->Drapeau(QStringLiteral("--plat"))) reliefs = {false};

    ContexteConsole c(1, 1, dossier, erreurs);
    if (!TablesLisibles(ChargeTables(*c.ctx), *c.ctx, erreurs)) return kSortieFichier;
    std::vector<PanneauSpecimen> panneaux;
    for (int t : tailles)
        for (int e : ecritures)
            for (bool r : reliefs) panneaux.push_back({t, e, r});
    const QImage image = Specimen(*c.ctx, panneaux);
    c.surface.RemplacerImage(image);
    const QString fichier = o->Valeur(QStringLiteral("-o"));
    if (!SauverImage(c.surface, fichier, erreurs)) return kSortieFichier;
    int nombre = 0;
    const QStringList identiques = GlyphesIdentiques(*c.ctx, &nombre);
    sortie << nombre << " glyphes, " << identiques.size() << " groupes aux mêmes pixels" << Qt::endl;
    for (const QString& g : identiques) sortie << "  " << g << Qt::endl;
    return kSortieReussie;
}
