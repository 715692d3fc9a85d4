#include "app/cli/Editeur.h"

#include "app/Demarrage.h"
#include "app/cli/Options.h"
#include "config/Legendes.h"
#include "layout/Lignes.h"
#include "outputs/RenduAPI.h"
#include "transcription/Selection.h"
#include "transcription/Transcrire.h"

std::optional<int> CodeEcritureOption(const QString& nom) {
    const QString n = nom.toLower();
    if (n == u"velmor") return 0;
    if (n == u"dorvane") return 1;
    if (n == u"latine") return 2;
    if (n == u"api") return 3;
    return std::nullopt;
}

std::optional<int> CodeLangueOption(const QString& nom) {
    const QString n = nom.toUpper();
    if (n == u"TU") return 0;
    if (n == u"FR") return 1;
    if (n == u"EN") return 2;
    if (n == u"PH") return 3;
    return std::nullopt;
}

bool LireChoix(const Options& o, ChoixEditeur& choix, QTextStream& erreurs) {
    if (o.Drapeau(QStringLiteral("--ecriture"))) {
        const auto e = CodeEcritureOption(o.Valeur(QStringLiteral("--ecriture")));
        if (!e) {
            erreurs << "velmor: --ecriture takes velmor, dorvane, latine or api" << Qt::endl;
            return false;
        }
        choix.ecriture = *e;
    }
    if (o.Drapeau(QStringLiteral("--langue"))) {
        const auto l = CodeLangueOption(o.Valeur(QStringLiteral("--langue")));
        if (!l) {
            erreurs << "velmor: --langue takes TU, FR, EN or PH" << Qt::endl;
            return false;
        }
        choix.langue = *l;
    }
    double taille, largeur;
    if (!OptionNombre(o, QStringLiteral("--taille"), 1, 1, 50, taille, erreurs)) return false;
    if (!OptionNombre(o, QStringLiteral("--largeur"), 1000, 100, 32767, largeur, erreurs)) return false;
    choix.taille = static_cast<int>(taille);
    choix.largeur = static_cast<int>(largeur);
    choix.relief = o.Drapeau(QStringLiteral("--relief"));
    return true;
}

Editeur::Editeur(const ChoixEditeur& choix, const QString& dossier, QTextStream& erreurs)
    : console_(choix.largeur, 200, dossier, erreurs) {
    console_.fenetre.largeurTravail = qMax(50, choix.largeur - 20);
    Contexte& c = *console_.ctx;
    EtatProgramme& e = c.etat;
    MainParDefaut(c);
    e.Relief = choix.relief;
    FixerTaille(c, choix.taille);
    e.Ecriture = static_cast<int16_t>(choix.ecriture);
    ChoisirEcriture(c);
    e.EcritureAvantDerniere = e.EcriturePrecedente = e.Ecriture;
    e.Langue = static_cast<int16_t>(choix.langue);
    AfficherLangue(c);
    e.CollageEnCours = true;  // a whole text: no page snapshot per word, full screens stored
}

void Editeur::Taper(const QString& texte) {
    QString t = texte;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QStringList lignes = t.split(u'\n');
    for (qsizetype i = 0; i < lignes.size(); ++i) {
        if (ctx().etat.LimiteAtteinte) return;
        for (const QString& mot : lignes[i].split(u' ', Qt::SkipEmptyParts)) {
            if (ctx().etat.LimiteAtteinte) return;  // the surface is full: the walk stops, as a paste does
            Mot(mot);
        }
        if (i + 1 < lignes.size()) Entree();
    }
}

void Editeur::Mot(const QString& mot) {
    EtatProgramme& e = ctx().etat;
    if (e.Ecriture == 2) {
        ImprimerLatin(ctx(), mot + u' ');
        return;
    }
    if (e.Ecriture == 3) {
        EcritAPI(ctx(), mot + u' ');
        return;
    }
    e.Tampon = mot;
    Transcrire(ctx());
}

void Editeur::Entree() {
    EtatProgramme& e = ctx().etat;
    e.SautPermis = true;
    e.RetourForce = true;
    NouvelleLigne(ctx());
    e.RetourForce = true;
}
