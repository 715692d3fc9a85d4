#include "app/cli/Aide.h"
#include "app/cli/Commandes.h"

namespace {

// Every name of the options, separated by spaces.
QString Noms(std::span<const DefinitionOption> options) {
    QStringList r;
    for (const DefinitionOption& d : options) {
        if (d.court) r << QString::fromUtf8(d.court);
        r << QString::fromUtf8(d.nom);
    }
    return r.join(u' ');
}

// The "case" lines for the word after an option of `commande` ("" for the editor's line): its
// values, file or folder names, or nothing to complete for a free value.
QString CasValeurs(const QString& commande, std::span<const DefinitionOption> options) {
    QString r;
    for (const DefinitionOption& d : options) {
        if (d.Switch()) continue;
        QStringList motifs{commande + u':' + QString::fromUtf8(d.nom)};
        if (d.court) motifs << commande + u':' + QString::fromUtf8(d.court);
        QString action = QStringLiteral("return");
        if (d.choix) action = QStringLiteral("COMPREPLY=($(compgen -W \"%1\" -- \"$cur\")); return").arg(QString::fromUtf8(d.choix));
        else if (d.completion == Completion::Fichier) action = QStringLiteral("_filedir; return");
        else if (d.completion == Completion::Dossier) action = QStringLiteral("_filedir -d; return");
        r += QStringLiteral("        \"%1\") %2 ;;\n").arg(motifs.join(QStringLiteral("\"|\"")), action);
    }
    return r;
}

}  // namespace

QString CompletionBash() {
    QStringList commandes;
    QString valeurs = CasValeurs(QString(), OptionsProgramme()), options;
    for (const DefinitionCommande& c : TableCommandes()) {
        const QString nom = QString::fromUtf8(c.nom);
        commandes << nom;
        const auto toutes = OptionsDe(c);
        valeurs += CasValeurs(nom, toutes);
        options += QStringLiteral("        %1) options=\"%2\" ;;\n").arg(nom, Noms(toutes));
    }
    return QStringLiteral(
               "# bash completion for velmor: commands, options, their values, file names.\n"
               "_velmor() {\n"
               "    local cur prev words cword\n"
               "    _init_completion -s || return\n"
               "    local commande=\"\" i\n"
               "    for ((i = 1; i < cword; i++)); do\n"
               "        case ${words[i]} in\n"
               "        %1) commande=${words[i]}; break ;;\n"
               "        esac\n"
               "    done\n"
               "    case \"$commande:$prev\" in\n"
               "%2"
               "    esac\n"
               "    local options=\"%3\"\n"
               "    case $commande in\n"
               "%4"
               "    esac\n"
               "    if [[ $cur == -* ]]; then\n"
               "        COMPREPLY=($(compgen -W \"$options\" -- \"$cur\"))\n"
               "    elif [[ -z $commande ]]; then\n"
               "        COMPREPLY=($(compgen -W \"%5\" -- \"$cur\"))\n"
               "        _filedir\n"
               "    fi\n"
               "} &&\n"
               "    complete -F _velmor velmor\n")
        .arg(commandes.join(u'|'), valeurs, Noms(OptionsProgramme()), options, commandes.join(u' '));
}
