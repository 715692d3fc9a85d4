#include "app/cli/Editeur.h"

#include "app/Demarrage.h"
#include "app/cli/Options.h"
#include "base/Texte8Bits.h"
#include "config/Legendes.h"
#include "layout/Lignes.h"
#include "outputs/RenduAPI.h"
#include "transcription/ReglagesEcriture.h"
#include "transcription/Frappe.h"
#include "transcription/Marqueurs.h"
#include "transcription/Retranscription.h"
#include "transcription/Transcrire.h"

std::optional<int> CodeEcritureOption(const QString& nom) {
    const QString n = nom.toLower();
    if (n == u"velmor") return Ecritures::Velmor;
    if (n == u"dorvane") return Ecritures::Dorvane;
    if (n == u"latine") return Ecritures::Latine;
    if (n == u"api") return Ecritures::API;
    return std::nullopt;
}

bool LireChoix(const Options& o, ChoixEditeur& choix, QTextStream& erreurs) {
    if (o.Drapeau(QStringLiteral("--ecriture"))) {
        const auto e = CodeEcritureOption(o.Valeur(QStringLiteral("--ecriture")));
        if (!e) {
            ErreurUsage(erreurs, o.commande, QStringLiteral("--ecriture prend velmor, dorvane, latine ou api"));
            return false;
        }
        choix.ecriture = *e;
    }
    if (o.Drapeau(QStringLiteral("--langue"))) {
        int16_t langue = 0;
        if (!OptionLangue(o, langue, erreurs)) return false;
        choix.langue = langue;
    }
    double taille, largeur, hauteur;
    if (!OptionNombre(o, QStringLiteral("--taille"), 1, 1, 50, taille, erreurs)) return false;
    if (!OptionNombre(o, QStringLiteral("--largeur"), 1000, 100, 32767, largeur, erreurs)) return false;
    if (!OptionNombre(o, QStringLiteral("--hauteur"), 0, 100, 4000, hauteur, erreurs)) return false;
    choix.hauteur = static_cast<int>(hauteur);
    choix.taille = static_cast<int>(taille);
    choix.largeur = static_cast<int>(largeur);
    choix.relief = o.Drapeau(QStringLiteral("--relief"));
    return true;
}

namespace {

// The box of the headless typing: the text typed so far.
class BoiteTexte : public BoiteSaisie {
public:
    QString Texte() const override { return texte; }
    void Vider() override { texte.clear(); }
    QString texte;
};

bool SurfaceEncree(const Surface& s) {
    const QRgb fond = s.FondRgb();
    for (int y = 0; y < s.Hauteur(); ++y) {
        const QRgb* ligne = s.LigneBrute(y);
        for (int x = 0, fin = qMin(s.Encre().Droite(y), s.Largeur() - 1); x <= fin; ++x)
            if (ligne[x] != fond) return true;
    }
    return false;
}

}  // namespace

bool TablesLisibles(EtatTables etat, const Contexte& ctx, QTextStream& erreurs) {
    if (etat == EtatTables::Absentes)
        Erreur(erreurs, QStringLiteral("impossible de lire %1").arg(ctx.Fichier(QStringLiteral("APABDIDS.TXT"))));
    return etat == EtatTables::Lues;  // a damaged file was named as it was read
}

Editeur::Editeur(const ChoixEditeur& choix, const QString& dossier, QTextStream& erreurs)
    : console_(choix.largeur, qMax(100, choix.hauteur), dossier, erreurs) {
    Contexte& c = *console_.ctx;
    EtatProgramme& e = c.etat;
    console_.fenetre.largeurTravail = choix.largeur;
    tables_ = MainParDefaut(c);
    // The surface is the work area: the A4 height of the tables unless a height is given.
    const int hauteur = choix.hauteur > 0 ? choix.hauteur : (e.YMaxiA4 >= 100 ? qMin(2000, qRound(e.YMaxiA4)) : 1040);
    console_.fenetre.hauteurTravail = hauteur;
    surface().Redimensionner(choix.largeur, hauteur);
    e.Relief = choix.relief;
    FixerTaille(c, choix.taille);
    e.Ecriture = static_cast<int16_t>(choix.ecriture);
    ChoisirEcriture(c);
    e.EcritureAvantDerniere = e.EcriturePrecedente = e.Ecriture;
    e.Langue = static_cast<int16_t>(choix.langue);
    AfficherLangue(c);
}

bool Editeur::Coller(const QString& texte) {
    EtatProgramme& e = ctx().etat;
    e.CollageEnCours = true;  // a whole text: no page snapshot per word, full screens stored
    e.PositionReprise = 0;
    e.MotsEcrits = e.MotsPerdus = 0;
    FinRetranscrire fin = RetranscrireTexte(ctx(), texte);
    // Each run stops at a new screen; the next one resumes there, as a new paste would.
    while (fin == FinRetranscrire::EcranPlein && !e.LimiteAtteinte) {
        fin = RetranscrireTexte(ctx(), texte);
    }
    if (e.MotsPerdus > 0) return false;
    if (fin == FinRetranscrire::Fini) return true;
    // A stop with nothing but blanks left loses nothing.
    return QStringView(texte).mid(qMin<qsizetype>(qMax(0, e.PositionReprise - 1), texte.size())).trimmed().isEmpty();
}

bool Editeur::Taper(const QString& texte) {
    EtatProgramme& e = ctx().etat;
    BoiteTexte boite;
    e.MotsEcrits = e.MotsPerdus = 0;
    QString t = texte;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        // A limit reached with a word still to come: that word is lost.
        if (e.LimiteAtteinte && !c.isSpace()) return false;
        const int16_t code = c == u'\n' ? kToucheEntree : static_cast<int16_t>(Code1252(c));
        ToucheSaisie(ctx(), boite, code);
        if (code != kToucheRapport) boite.texte += c;
    }
    // The last word, when the text does not end with a blank.
    if (!t.isEmpty() && !t.back().isSpace()) {
        ToucheSaisie(ctx(), boite, 32);
        boite.texte += u' ';
    }
    return e.MotsPerdus == 0;
}

bool Editeur::ResteSurSurface(int ecransRemis) {
    return ecransRemis == 0 || (!ctx().etat.EcransPleins && SurfaceEncree(surface()));
}
