#include "app/Demarrage.h"
#include "app/cli/ContexteConsole.h"
#include "app/cli/Options.h"
#include "app/cli/SousCommandes.h"
#include "config/Dossiers.h"
#include "outputs/RapportMesures.h"

#include <QFileInfo>

// velmor rapport [--images PREFIX]: the glyph measurement report "Donnees.TXT" written into the
// program folder, as the currency key writes it; with --images, each sheet drawn is saved as
// PREFIX1.png, PREFIX2.png, ...
int CommandeRapport(const QStringList& args, const QString& dossier, QTextStream& sortie, QTextStream& erreurs) {
    const auto o = LireOptions(args, {}, erreurs);
    if (!o) return 2;
    if (!o->positions.isEmpty()) {
        erreurs << "usage: velmor rapport [--dossier DIR] [--images PREFIX]" << Qt::endl;
        return 2;
    }
    ContexteConsole c(1000, 200, dossier, erreurs);
    MainParDefaut(*c.ctx);
    const QString prefixe = o->Valeur(QStringLiteral("--images"));
    int feuilles = 0;
    bool images = true;
    auto feuille = [&](const QImage& image) {
        if (!prefixe.isEmpty()) images &= image.save(prefixe + QString::number(++feuilles) + QStringLiteral(".png"));
    };
    const QString fichier = FichierEcrit(*c.ctx, QStringLiteral("Donnees.TXT"));
    if (!RapportMesuresFeuilles(*c.ctx, feuille)) {
        erreurs << "velmor: cannot write " << fichier << Qt::endl;
        return 1;
    }
    if (!images) {
        erreurs << "velmor: cannot write the pictures " << prefixe << "*.png" << Qt::endl;
        return 1;
    }
    sortie << QFileInfo(fichier).absoluteFilePath() << ": " << SyllabesRapport().size() << " syllables" << Qt::endl;
    return 0;
}
