#include "app/cli/ContexteConsole.h"
#include "app/cli/Commandes.h"
#include "app/cli/SousCommandes.h"
#include "transcription/Marqueurs.h"
#include "transcription/Normaliseur.h"

namespace {

// Words of a normalised text that begin with "{" go through the mark placement as the drawing loop
// hands them over (one leading and one trailing "." dropped); a word drawn in the Dorvane script
// for itself alone is put between the Dorvane and Velmor script markers.
QString PlacerMarques(Contexte& ctx, const QString& texte) {
    QStringList mots = texte.split(u'+');
    for (QString& piece : mots) {
        const qsizetype avant = piece.startsWith(u'.') ? 1 : 0;
        const qsizetype apres = piece.size() > avant && piece.endsWith(u'.') ? 1 : 0;
        EtatProgramme& e = ctx.etat;
        const int ecriture = e.Ecriture;
        e.TextePointe = piece.mid(avant, piece.size() - avant - apres);
        e.BasculeVoyelles = 0;
        PlaceMarque(ctx);
        QString mot = e.TextePointe;
        if (e.BasculeVoyelles == 1)
            mot = NomMarqueurEcriture(Ecritures::Dorvane) + QStringLiteral(".+.") + mot + QStringLiteral(".+.") +
                  NomMarqueurEcriture(Ecritures::Velmor);
        e.Ecriture = static_cast<int16_t>(ecriture);
        e.BasculeVoyelles = 0;
        piece = piece.left(avant) + mot + piece.right(apres);
    }
    return mots.join(u'+');
}

}  // namespace

// velmor normalise TEXTE... --langue LANGUE [--ecriture N]
int CommandeNormalise(const QStringList& args, const QString& dossier, QTextStream& sortie, QTextStream& erreurs) {
    const auto o = LireOptions(args, erreurs);
    if (!o) return kSortieUsage;
    if (o->positions.isEmpty() || !o->Drapeau(QStringLiteral("--langue"))) {
        ErreurUsage(erreurs, o->commande, QStringLiteral("il faut au moins un TEXTE et --langue"));
        return kSortieUsage;
    }
    ContexteConsole c(1, 1, dossier, erreurs);
    EtatProgramme& e = c.ctx->etat;
    if (!OptionLangue(*o, e.Langue, erreurs)) return kSortieUsage;
    double ecriture = 0;
    if (!OptionNombre(*o, QStringLiteral("--ecriture"), 0, 0, 3, ecriture, erreurs)) return kSortieUsage;
    e.Ecriture = static_cast<int16_t>(ecriture);
    const bool placer = o->Drapeau(QStringLiteral("--ecriture")) && e.Ecriture <= Ecritures::Dorvane;
    for (const QString& texte : o->positions) {
        QString t = texte;
        if (!t.isEmpty() && t != u".+") Normaliser(*c.ctx, t);
        if (placer) t = PlacerMarques(*c.ctx, t);
        sortie << t << Qt::endl;
    }
    return kSortieReussie;
}
