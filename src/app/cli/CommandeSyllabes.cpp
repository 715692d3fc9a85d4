#include "app/cli/Editeur.h"
#include "app/cli/Commandes.h"
#include "app/cli/SousCommandes.h"
#include "transcription/Transcrire.h"

#include <QRegularExpression>

// velmor syllabes TEXTE [--langue LANGUE] [--ecriture ÉCRITURE]: the dotted text of each word the transcriber would draw.
int CommandeSyllabes(const QStringList& args, const QString& dossier, QTextStream& sortie, QTextStream& erreurs) {
    const auto o = LireOptions(args, erreurs);
    if (!o) return kSortieUsage;
    ChoixEditeur choix;
    if (o->positions.size() != 1) {
        ErreurUsage(erreurs, o->commande, QStringLiteral("il faut un TEXTE, entre guillemets s'il a plusieurs mots"));
        return kSortieUsage;
    }
    if (!LireChoix(*o, choix, erreurs)) return kSortieUsage;
    Editeur editeur(choix, dossier, erreurs);
    if (!editeur.TablesLues(erreurs)) return kSortieFichier;
    for (const QString& mot : o->positions[0].split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
        for (const QString& m : MotsATracer(editeur.ctx(), mot)) sortie << m << Qt::endl;
    return kSortieReussie;
}
