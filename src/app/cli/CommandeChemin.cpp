#include "app/cli/ContexteConsole.h"
#include "app/cli/Options.h"
#include "app/cli/SousCommandes.h"
#include "drawing/Dessin.h"


bool SauverImage(const Surface& s, const QString& fichier) { return s.Enregistrer(fichier); }

// velmor chemin PATH [--taille N] [--x X --y Y] [--largeur W --hauteur H] [--relief] [--couleur C] -o FILE
int CommandeChemin(const QStringList& args, const QString& dossier, QTextStream&, QTextStream& erreurs) {
    const auto o = LireOptions(args, {QStringLiteral("--relief")}, erreurs);
    if (!o) return 2;
    if (o->positions.size() != 1 || !o->Drapeau(QStringLiteral("-o"))) {
        erreurs << "usage: velmor chemin PATH [--taille N] [--x X --y Y] [--largeur W --hauteur H] "
                   "[--relief] [--couleur C] -o FILE.bmp|.png"
                << Qt::endl;
        return 2;
    }
    double taille, x, y, largeur, hauteur;
    if (!OptionNombre(*o, QStringLiteral("--taille"), 1, 1, 50, taille, erreurs)) return 2;
    const int t = static_cast<int>(taille);
    if (!OptionNombre(*o, QStringLiteral("--x"), 10 * t, -1e6, 1e6, x, erreurs) ||
        !OptionNombre(*o, QStringLiteral("--y"), 40 * t, -1e6, 1e6, y, erreurs) ||
        // By default the surface reaches well past the starting point.
        !OptionNombre(*o, QStringLiteral("--largeur"), qBound(1.0, qMax(200.0 * t, x + 150 * t), 32767.0), 1, 32767,
                      largeur, erreurs) ||
        !OptionNombre(*o, QStringLiteral("--hauteur"), qBound(1.0, qMax(60.0 * t, y + 30 * t), 32767.0), 1, 32767,
                      hauteur, erreurs))
        return 2;
    uint couleur = 0;
    if (o->Drapeau(QStringLiteral("--couleur"))) {
        bool ok = false;
        couleur = o->Valeur(QStringLiteral("--couleur")).toUInt(&ok, 0);
        if (!ok || couleur > 0xFFFFFF) {
            erreurs << "velmor: --couleur takes a colour number 0x00BBGGRR" << Qt::endl;
            return 2;
        }
    }
    ContexteConsole c(static_cast<int>(largeur), static_cast<int>(hauteur), dossier, erreurs);
    c.ctx->etat.Taille = t;
    c.ctx->etat.Relief = o->Drapeau(QStringLiteral("--relief"));
    if (!Dessin(*c.ctx, o->positions[0], x, y, 1, couleur, QString())) return 1;
    const QString fichier = o->Valeur(QStringLiteral("-o"));
    if (!SauverImage(c.surface, fichier)) {
        erreurs << "velmor: cannot write " << fichier << Qt::endl;
        return 1;
    }
    return 0;
}
