#include "app/cli/Commandes.h"

#include "app/Contexte.h"
#include "app/cli/FenetreConsole.h"
#include "drawing/Dessin.h"

#include <QFileInfo>
#include <QImage>
#include <map>
#include <optional>

namespace {

class HorlogeMuette : public Horloge {
public:
    void Attendre(int) override {}
};

// Options "--name value" and lone switches; the remaining words are positional.
struct Options {
    QStringList positions;
    std::map<QString, QString> valeurs;
    bool Drapeau(const QString& nom) const { return valeurs.count(nom) != 0; }
    QString Valeur(const QString& nom, const QString& defaut = {}) const {
        auto it = valeurs.find(nom);
        return it == valeurs.end() ? defaut : it->second;
    }
};

std::optional<Options> LireOptions(const QStringList& args, const QStringList& drapeaux, QTextStream& erreurs) {
    Options o;
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a.startsWith(u'-') && a.size() > 1 && !a[1].isDigit()) {
            if (drapeaux.contains(a)) {
                o.valeurs[a] = QString();
            } else if (i + 1 < args.size()) {
                o.valeurs[a] = args[++i];
            } else {
                erreurs << "velmor: " << a << " needs a value" << Qt::endl;
                return std::nullopt;
            }
        } else {
            o.positions << a;
        }
    }
    return o;
}

bool Nombre(const QString& texte, double& v) {
    bool ok = false;
    v = texte.toDouble(&ok);
    return ok;
}

bool SauverImage(const Surface& s, const QString& fichier) {
    if (QFileInfo(fichier).suffix().compare(u"bmp", Qt::CaseInsensitive) == 0) return s.SauverBmp(fichier);
    return s.Image().save(fichier);
}

// velmor chemin PATH [--taille N] [--x X --y Y] [--largeur W --hauteur H] [--relief] [--couleur C] -o FILE
int Chemin(const QStringList& args, const QString& dossier, QTextStream& erreurs) {
    const auto o = LireOptions(args, {QStringLiteral("--relief")}, erreurs);
    if (!o) return 2;
    if (o->positions.size() != 1 || !o->Drapeau(QStringLiteral("-o"))) {
        erreurs << "usage: velmor chemin PATH [--taille N] [--x X --y Y] [--largeur W --hauteur H] "
                   "[--relief] [--couleur C] -o FILE.bmp|.png"
                << Qt::endl;
        return 2;
    }
    double taille = 1, x, y, largeur, hauteur, couleur = 0;
    if (!Nombre(o->Valeur(QStringLiteral("--taille"), QStringLiteral("1")), taille) || taille < 1 || taille > 50) {
        erreurs << "velmor: --taille takes a whole number from 1 to 50" << Qt::endl;
        return 2;
    }
    const int t = static_cast<int>(taille);
    if (!Nombre(o->Valeur(QStringLiteral("--x"), QString::number(10 * t)), x) ||
        !Nombre(o->Valeur(QStringLiteral("--y"), QString::number(40 * t)), y) ||
        !Nombre(o->Valeur(QStringLiteral("--largeur"), QString::number(200 * t)), largeur) ||
        !Nombre(o->Valeur(QStringLiteral("--hauteur"), QString::number(60 * t)), hauteur) ||
        largeur < 1 || hauteur < 1 || largeur > 32767 || hauteur > 32767) {
        erreurs << "velmor: --x, --y, --largeur and --hauteur take numbers" << Qt::endl;
        return 2;
    }
    if (o->Drapeau(QStringLiteral("--couleur"))) {
        bool ok = false;
        couleur = o->Valeur(QStringLiteral("--couleur")).toUInt(&ok, 0);
        if (!ok) {
            erreurs << "velmor: --couleur takes a colour number 0x00BBGGRR" << Qt::endl;
            return 2;
        }
    }
    Surface surface(static_cast<int>(largeur), static_cast<int>(hauteur));
    FenetreConsole fenetre(erreurs);
    HorlogeMuette horloge;
    auto ctx = std::make_unique<Contexte>(surface, fenetre, horloge, dossier);
    ctx->etat.Taille = t;
    ctx->etat.Relief = o->Drapeau(QStringLiteral("--relief"));
    ctx->etat.CouleurFond = surface.CouleurFond();
    if (!Dessin(*ctx, o->positions[0], x, y, 1, static_cast<Couleur>(couleur), QString())) return 1;
    const QString fichier = o->Valeur(QStringLiteral("-o"));
    if (!SauverImage(surface, fichier)) {
        erreurs << "velmor: cannot write " << fichier << Qt::endl;
        return 1;
    }
    return 0;
}

}  // namespace

bool EstSousCommande(const QStringList& args) {
    return !args.isEmpty() && args[0] == u"chemin";
}

int ExecuterSousCommande(const QStringList& args, const QString& dossier, QTextStream&, QTextStream& erreurs) {
    if (args.value(0) == u"chemin") return Chemin(args, dossier, erreurs);
    erreurs << "velmor: unknown command " << args.value(0) << Qt::endl;
    return 2;
}
