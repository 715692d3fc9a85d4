#include "app/cli/Commandes.h"
#include "app/cli/Editeur.h"
#include "app/cli/Options.h"
#include "app/cli/SousCommandes.h"
#include "base/Texte8Bits.h"
#include "outputs/EcritureEcrans.h"
#include "transcription/Document.h"

#include <QFile>
#include <QStringDecoder>
#include <optional>

namespace {

constexpr int kEcransEditeur = 20;  // the screens the editor keeps

// The screens on their way to the files, counted on the progress bar.
class EcransComptes : public RecepteurEcrans {
public:
    EcransComptes(RecepteurEcrans& suite, std::optional<BarreProgression>& barre) : suite_(suite), barre_(barre) {}
    void Prendre(Surface& surface, int numero) override {
        suite_.Prendre(surface, numero);
        if (barre_) barre_->EcranPlein();
    }

private:
    RecepteurEcrans& suite_;
    std::optional<BarreProgression>& barre_;
};

}  // namespace

// velmor render TEXTE|-f FICHIER -o FICHIER [OPTIONS]: the options are in Commandes.cpp.
int CommandeRendu(const QStringList& args, const QString& dossier, QTextStream& sortie, QTextStream& erreurs) {
    const auto o = LireOptions(args, erreurs);
    if (!o) return kSortieUsage;
    ChoixEditeur choix;
    const bool fichier = o->Drapeau(QStringLiteral("-f"));
    if (o->positions.size() != (fichier ? 0 : 1) || !o->Drapeau(QStringLiteral("-o"))) {
        ErreurUsage(erreurs, o->commande, QStringLiteral("il faut un TEXTE ou -f FICHIER, et -o FICHIER"));
        return kSortieUsage;
    }
    double ecrans = kEcransEditeur;
    if (!LireChoix(*o, choix, erreurs) ||
        !OptionNombre(*o, QStringLiteral("--ecrans"), kEcransEditeur, 0, 1000000, ecrans, erreurs))
        return kSortieUsage;
    QString texte;
    if (fichier) {
        Document d;
        if (!LireDocument(o->Valeur(QStringLiteral("-f")), d)) {
            Erreur(erreurs, QStringLiteral("impossible de lire %1").arg(o->Valeur(QStringLiteral("-f"))));
            return kSortieFichier;
        }
        // A document's header line gives its options and draws nothing.
        texte = TexteARendre(d);
    } else {
        texte = o->positions[0];
    }
    const QString destination = o->Valeur(QStringLiteral("-o"));
    Editeur editeur(choix, dossier, erreurs);
    if (!editeur.TablesLues(erreurs)) return kSortieFichier;
    EcritureEcrans ecriture(destination, o->Drapeau(QStringLiteral("--rogner")));
    // The progress on a terminal, unless asked to be quiet.
    std::optional<BarreProgression> barre;
    if (!o->Drapeau(QStringLiteral("--quiet")) && BarreProgression::Terminal()) editeur.fenetre().barre = &barre.emplace(erreurs);
    EcransComptes comptes(ecriture, barre);
    editeur.Diriger(&comptes, static_cast<int>(ecrans));
    const bool entier = o->Drapeau(QStringLiteral("--frappe")) ? editeur.Taper(texte) : editeur.Coller(texte);
    const bool reste = editeur.ResteSurSurface(ecriture.Ecrans());
    if (barre) {
        barre->Finir(ecriture.Ecrans() + (reste ? 1 : 0));
        editeur.fenetre().barre = nullptr;
    }
    for (const QString& ligne : editeur.ctx().etat.MessagesManquants.split(u'\n', Qt::SkipEmptyParts))
        erreurs << ligne << Qt::endl;
    if (!ecriture.Finir(reste ? &editeur.surface() : nullptr)) {
        Erreur(erreurs, QStringLiteral("impossible d'écrire %1").arg(ecriture.Echec()));
        return kSortieFichier;
    }
    for (const QString& nom : ecriture.Noms()) sortie << nom << Qt::endl;
    return entier ? kSortieReussie : kSortieTexteIncomplet;
}
