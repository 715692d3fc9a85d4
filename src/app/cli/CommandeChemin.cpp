#include "app/cli/ContexteConsole.h"
#include "app/cli/Commandes.h"
#include "app/cli/SousCommandes.h"
#include "drawing/Dessin.h"


bool SauverImage(const Surface& s, const QString& fichier, QTextStream& erreurs) {
    QString raison;
    if (s.Enregistrer(fichier, &raison)) return true;
    Erreur(erreurs, QStringLiteral("impossible d'écrire %1").arg(raison));
    return false;
}

// velmor chemin CHEMIN -o FICHIER [OPTIONS]: the options are in Commandes.cpp.
int CommandeChemin(const QStringList& args, const QString& dossier, QTextStream&, QTextStream& erreurs) {
    const auto o = LireOptions(args, erreurs);
    if (!o) return kSortieUsage;
    if (o->positions.size() != 1 || !o->Drapeau(QStringLiteral("-o"))) {
        ErreurUsage(erreurs, o->commande, QStringLiteral("il faut un CHEMIN et -o FICHIER"));
        return kSortieUsage;
    }
    double taille, x, y, largeur, hauteur;
    if (!OptionNombre(*o, QStringLiteral("--taille"), 1, 1, 50, taille, erreurs)) return kSortieUsage;
    const int t = static_cast<int>(taille);
    if (!OptionNombre(*o, QStringLiteral("--x"), 10 * t, -1e6, 1e6, x, erreurs) ||
        !OptionNombre(*o, QStringLiteral("--y"), 40 * t, -1e6, 1e6, y, erreurs) ||
        // By default the surface reaches well past the starting point.
        !OptionNombre(*o, QStringLiteral("--largeur"), qBound(1.0, qMax(200.0 * t, x + 150 * t), 32767.0), 1, 32767,
                      largeur, erreurs) ||
        !OptionNombre(*o, QStringLiteral("--hauteur"), qBound(1.0, qMax(60.0 * t, y + 30 * t), 32767.0), 1, 32767,
                      hauteur, erreurs))
        return kSortieUsage;
    uint couleur = 0;
    if (o->Drapeau(QStringLiteral("--couleur"))) {
        bool ok = false;
        couleur = o->Valeur(QStringLiteral("--couleur")).toUInt(&ok, 0);
        if (!ok || couleur > 0xFFFFFF) {
            ErreurUsage(erreurs, o->commande, QStringLiteral("--couleur prend un numéro de couleur 0x00BBVVRR"));
            return kSortieUsage;
        }
    }
    ContexteConsole c(static_cast<int>(largeur), static_cast<int>(hauteur), dossier, erreurs);
    c.ctx->etat.Taille = t;
    c.ctx->etat.Relief = o->Drapeau(QStringLiteral("--relief"));
    if (!Dessin(*c.ctx, o->positions[0], x, y, 1, couleur, QString())) return kSortieFichier;
    const QString fichier = o->Valeur(QStringLiteral("-o"));
    if (!SauverImage(c.surface, fichier, erreurs)) return kSortieFichier;
    return kSortieReussie;
}
