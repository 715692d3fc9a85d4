#include "app/cli/Editeur.h"
#include "app/cli/Options.h"
#include "app/cli/SousCommandes.h"
#include "transcription/Transcrire.h"

#include <QRegularExpression>

// velmor syllabes TEXT --langue TU|FR|EN|PH: the dotted text of each word the transcriber would draw.
int CommandeSyllabes(const QStringList& args, const QString& dossier, QTextStream& sortie, QTextStream& erreurs) {
    const auto o = LireOptions(args, {}, erreurs);
    if (!o) return 2;
    ChoixEditeur choix;
    if (o->positions.size() != 1 || !LireChoix(*o, choix, erreurs)) {
        erreurs << "usage: velmor syllabes TEXT --langue TU|FR|EN|PH" << Qt::endl;
        return 2;
    }
    Editeur editeur(choix, dossier, erreurs);
    for (const QString& mot : o->positions[0].split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
        for (const QString& m : MotsATracer(editeur.ctx(), mot)) sortie << m << Qt::endl;
    return 0;
}
