#include "app/cli/Aide.h"

#include "app/cli/Commandes.h"

#include <algorithm>
#include <vector>

namespace {

struct Ligne {
    QString nom, aide;
};

constexpr qsizetype kLargeurTexte = 79;  // characters of a help line at most

// Names in a column as wide as the longest, then what each means, its words wrapped within the
// line's width under its first.
QString Colonnes(const std::vector<Ligne>& lignes) {
    qsizetype largeur = 0;
    for (const Ligne& l : lignes) largeur = std::max(largeur, l.nom.size());
    const qsizetype marge = largeur + 4;
    QString r;
    for (const Ligne& l : lignes) {
        QString ligne = QStringLiteral("  ") + l.nom.leftJustified(largeur + 2);
        bool premier = true;
        for (const QString& mot : l.aide.split(u' ', Qt::SkipEmptyParts)) {
            if (!premier && ligne.size() + 1 + mot.size() > kLargeurTexte) {
                r += ligne + u'\n';
                ligne = QString(marge, u' ') + mot;
            } else {
                ligne += (premier ? QString() : QStringLiteral(" ")) + mot;
            }
            premier = false;
        }
        r += ligne + u'\n';
    }
    return r;
}

std::vector<Ligne> LignesOptions(std::span<const DefinitionOption> options) {
    std::vector<Ligne> r;
    for (const DefinitionOption& d : options) r.push_back({NomAvecValeur(d), ExplicationOption(d)});
    return r;
}

std::vector<Ligne> LignesExplications(std::span<const Explication> explications) {
    std::vector<Ligne> r;
    for (const Explication& e : explications) r.push_back({QString::fromUtf8(e.nom), QString::fromUtf8(e.aide)});
    return r;
}

QString Fin() {
    return QStringLiteral("\nCodes de sortie :\n") + Colonnes(LignesExplications(StatutsSortie())) +
           QStringLiteral("\nVariables d'environnement :\n") + Colonnes(LignesExplications(VariablesEnvironnement()));
}

}  // namespace

QString NomAvecValeur(const DefinitionOption& d) {
    QString r = d.court ? QString::fromUtf8(d.court) + QStringLiteral(", ") : QString();
    r += QString::fromUtf8(d.nom);
    if (!d.Switch()) r += u' ' + QString::fromUtf8(d.valeur);
    return r;
}

QString ExplicationOption(const DefinitionOption& d) {
    QString r = QString::fromUtf8(d.aide);
    QStringList entre;
    if (d.choix) {
        const QStringList c = QString::fromUtf8(d.choix).split(u' ', Qt::SkipEmptyParts);
        entre << c.mid(0, c.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" ou ") + c.last();
    }
    if (d.defaut) entre << QStringLiteral("défaut : ") + QString::fromUtf8(d.defaut);
    if (!entre.isEmpty()) r += QStringLiteral(" (") + entre.join(QStringLiteral(" ; ")) + u')';
    return r;
}

QString TexteAide() {
    std::vector<Ligne> commandes;
    for (const DefinitionCommande& c : TableCommandes())
        commandes.push_back({QString::fromUtf8(c.nom), QString::fromUtf8(c.resume)});
    return QStringLiteral("Usage : velmor [OPTIONS] [FICHIER]\n"
                          "        velmor COMMANDE [OPTIONS] ARGUMENTS...\n\n"
                          "Sans commande, velmor ouvre l'éditeur, avec FICHIER (une image ou un texte)\n"
                          "s'il est donné.\n\n"
                          "Commandes :\n") +
           Colonnes(commandes) +
           QStringLiteral("« velmor COMMANDE --help » décrit les arguments et les options d'une commande.\n\n"
                          "Options :\n") +
           Colonnes(LignesOptions(OptionsProgramme())) + Fin();
}

QString TexteAide(const DefinitionCommande& c) {
    QString resume = QString::fromUtf8(c.resume);
    resume[0] = resume[0].toUpper();
    QString usage = QStringLiteral("Usage : velmor %1 [OPTIONS]").arg(QLatin1String(c.nom));
    if (*c.arguments) usage += u' ' + QString::fromUtf8(c.arguments);
    return usage + QStringLiteral("\n") + resume + QStringLiteral(".\n\nOptions :\n") +
           Colonnes(LignesOptions(OptionsDe(c))) + Fin();
}
