#include "outputs/RapportMesures.h"

#include "base/Contexte.h"
#include "base/EcritureSure.h"
#include "base/Texte8Bits.h"
#include "config/Dossiers.h"
#include "drawing/Scanners.h"
#include "layout/Lignes.h"
#include "layout/LimiteDroite.h"
#include "transcription/Transcrire.h"

#include <algorithm>

namespace {

const char* const kListes[] = {
    "a ah aa ae aeh ai ao au ay e eh ea ee eeh ei eo eu ey i ih ia ie ieh ii io iu iy",
    "o oh oa oe oeh oi oo ou oy u uh ua ue ueh ui uo uu uy y yh ya ye yeh yi yo yu yy",
    "ba bha bka ca cha cka da dha dka fa fha ga gha ja jka la lha",
    "ma na nha pa pha qa qha qka ra rha rka sa sha ta tha tka",
    "va vha vka wa wha wka xa xha za zha",
};

// The report's own drawing conditions: size 1, probe margin 3, Velmor script, phonetic input (the
// syllables are drawn as written), flat ink that differs from the background, no step mode, no page
// snapshots, nothing added to the pronunciation batch.
void Preparer(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    e.Taille = 1;
    e.MargeSonde = 3;
    e.HauteurCaractere = e.Taille * e.UniteHauteur;
    e.LargeurBlanc = e.Blanc * e.Taille;
    e.PasLigne = e.HauteurLigne * e.Taille;
    CalculeMargeLimite(ctx);
    e.Ecriture = Ecritures::Velmor;
    e.EcriturePrecedente = e.EcritureAvantDerniere = Ecritures::Velmor;
    e.Langue = Langues::Phonetique;
    e.ModeSon = 0;
    e.Relief = false;
    e.ProfondeurRelief = 0;
    e.TexteMulticolore = false;
    e.CouleurTexte = ~ctx.surface.CouleurFond() & 0xFFFFFF;
    e.Temporisation = false;
    e.PagesRappelables = 0;
    e.CollageEnCours = false;
    e.PositionImposee = false;
    e.LimiteAtteinte = false;
}

// A clean sheet, the cursor on its first line.
void NouvelleFeuille(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    ctx.surface.Effacer();
    e.YLigne = e.PosY = e.PasLigne;
    e.PosX = e.XDebutMot = e.MargeGauche;
    e.SautPermis = true;
    e.LimiteAtteinte = false;
}

// The lowest line a sheet may hold: the line advance after it grows the surface to the line below,
// which must stay within the height limits.
double BasFeuille(const Contexte& ctx) {
    const EtatProgramme& e = ctx.etat;
    double h = std::min<double>(e.HauteurMaxImage, 32767.0 / std::max<int>(1, ctx.fenetre.TwipsParPixelY()));
    if (e.HauteurPageA4 != 0) h = std::min<double>(h, e.HauteurPageA4);
    return h - 2 * e.PasLigne;
}

void Ecrire(Contexte& ctx, const QString& texte) {
    ctx.etat.Tampon = texte;
    Transcrire(ctx);
}

// The ink of the cell right of column `apres`, measured from its own left edge.
MesuresGlyphe Mesurer(Contexte& ctx, int apres, double yLigne) {
    const EtatProgramme& e = ctx.etat;
    const QImage& image = ctx.surface.Vue();
    const unsigned fond = EchantillonneFond(ctx);
    const int haut = std::max(0, PixelProche(yLigne - e.HauteurCaractere));
    const int bas = std::min(image.height() - 1, PixelProche(yLigne));
    const int milieu = PixelProche(yLigne - e.HauteurCaractere / 2);
    const int rangs[3] = {PixelProche(yLigne - e.HauteurCaractere + e.MargeSonde), milieu,
                          PixelProche(yLigne - e.MargeSonde)};
    MesuresGlyphe m;
    int gauche = -1;
    double sx = 0, sy = 0, n = 0;
    // Extents by probe: first and last ink column, absolute.
    int premier[5], dernier[5];
    std::fill(std::begin(premier), std::end(premier), -1);
    std::fill(std::begin(dernier), std::end(dernier), -1);
    auto noter = [&](int sonde, int x) {
        if (premier[sonde] < 0) premier[sonde] = x;
        dernier[sonde] = x;
    };
    for (int x = std::max(0, apres + 1); x < image.width(); ++x)
        for (int y = haut; y <= bas; ++y) {
            if (!Encre(image, x, y, fond)) continue;
            if (gauche < 0) gauche = x;
            sx += x, sy += y, ++n;
            if (y == rangs[0]) noter(MesuresGlyphe::HX, x);
            if (y == rangs[1]) noter(MesuresGlyphe::CX, x);
            if (y == rangs[2]) noter(MesuresGlyphe::BX, x);
            noter(y <= milieu ? MesuresGlyphe::HXv : MesuresGlyphe::BXv, x);
        }
    if (gauche < 0) return m;
    for (int s = 0; s < 5; ++s) {
        if (premier[s] < 0) continue;
        m.droite[s] = dernier[s] - gauche + 1;
        m.gauche[s] = premier[s] - gauche;
    }
    m.centreX = qRound(sx / n) - gauche;
    m.centreY = qRound(yLigne - sy / n);
    return m;
}

QString Prefixe(const QString& s) { return QStringLiteral("'' ") + s + QStringLiteral("'' = ") + QString(std::max<qsizetype>(0, 4 - s.size()), u' '); }

QString Valeurs(const int (&v)[5]) {
    static const char* const kNoms[] = {" HX=", " HXv=", " CX=", " BXv=", " BX="};
    QString r;
    for (int i = 0; i < 5; ++i) r += QLatin1String(kNoms[i]) + NombreAvecSigne(v[i]);
    return r;
}

}  // namespace

int MesuresGlyphe::Tout() const { return std::max(0, *std::max_element(std::begin(droite), std::end(droite))); }

int MesuresGlyphe::Beta() const {
    int d = -1, g = -1;
    for (int s : {HX, CX, BX})
        if (droite[s] >= 0) {
            d = std::max(d, droite[s]);
            g = g < 0 ? gauche[s] : std::min(g, gauche[s]);
        }
    return d < 0 ? 0 : d - g;
}

QStringList SyllabesRapport() {
    QStringList r;
    for (const char* liste : kListes) r << QString::fromLatin1(liste).split(u' ');
    return r;
}

QStringList LignesMesures(const QString& s, const MesuresGlyphe& m) {
    const QString type = QStringLiteral(".  LaTyp=") + NombreAvecSigne(m.type);
    return {Prefixe(s) + Valeurs(m.droite) + QStringLiteral(".  CG=") + NombreAvecSigne(m.centreX) + type,
            Prefixe(s) + Valeurs(m.gauche) + QStringLiteral("//  CG=") + NombreAvecSigne(m.centreY) + type,
            QStringLiteral("   TOUT:") + NombreAvecSigne(m.Tout()) + QStringLiteral("   BETA:") + NombreAvecSigne(m.Beta()) +
                QStringLiteral("'' ") + s + QStringLiteral("'' ") + QStringLiteral(".   Largeur du Typ=") +
                NombreAvecSigne(m.largeurType),
            QStringLiteral(" ")};
}

bool RapportMesuresFeuilles(Contexte& ctx, const std::function<void(const QImage&)>& feuille, QString* raison) {
    EtatProgramme& e = ctx.etat;
    if (e.TranscriptionEnCours) return false;  // a message box let the key in during a transcription
    const EtatProgramme sauve = e;
    const QImage image = ctx.surface.Image();
    const ListeTraces traces = ctx.surface.Traces();
    const int largeurTrait = ctx.surface.LargeurTrait();
    const Couleur couleurTrait = ctx.surface.CouleurTrait();

    Preparer(ctx);
    QByteArray rapport;
    const QStringList syllabes = SyllabesRapport();
    NouvelleFeuille(ctx);
    for (qsizetype i = 0; i < syllabes.size(); ++i) {
        const QString& s = syllabes[i];
        ctx.fenetre.Progression(static_cast<int>(i), static_cast<int>(syllabes.size()));
        if (e.YLigne > BasFeuille(ctx) || e.LimiteAtteinte) {
            if (feuille) feuille(ctx.surface.Vue());
            NouvelleFeuille(ctx);
        }
        // The line and its descenders lie on the surface, whatever the window's height.
        const int bas = PixelProche(e.YLigne + e.PasLigne);
        if (bas > ctx.surface.Hauteur() || ctx.surface.Largeur() < 400)
            ctx.surface.Redimensionner(std::max(400, ctx.surface.Largeur()), std::max(bas, ctx.surface.Hauteur()));
        Ecrire(ctx, QStringLiteral("li "));
        const double yLigne = e.YLigne;
        // The reference glyph ends at the last ink of the cell left of the cursor.
        const int reference = ColonneEncree(ctx.surface.Vue(), PixelProche(e.PosX), PixelProche(yLigne - e.HauteurCaractere),
                                            PixelProche(yLigne), EchantillonneFond(ctx));
        e.LargeurGlyphe = 0;
        Ecrire(ctx, s + u' ');
        MesuresGlyphe m = Mesurer(ctx, std::max(reference, PixelProche(e.MargeGauche) - 1), yLigne);
        m.type = e.FormeComposee;
        m.largeurType = qRound(e.LargeurGlyphe);
        const QStringList lignes = LignesMesures(s, m);
        rapport += Vers1252(lignes.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
        ctx.fenetre.FixerTexte(QStringLiteral("TxtEntree"), lignes[0]);
        e.SautPermis = true;
        NouvelleLigne(ctx);
    }
    if (feuille) feuille(ctx.surface.Vue());
    const bool ecrit = EcrireFichierSur(FichierEcrit(ctx, QStringLiteral("Donnees.TXT")), rapport, raison);
    ctx.fenetre.Progression(0, 0);

    // The user's picture, pen and state come back as they were; the entry keeps the last line.
    e = sauve;
    ctx.surface.RemplacerImage(image);
    ctx.surface.Traces() = traces;
    ctx.surface.FixerLargeurTrait(largeurTrait);
    ctx.surface.FixerCouleurTrait(couleurTrait);
    AjusteDefilement(ctx);
    ctx.fenetre.Rafraichir();
    return ecrit;
}

void RapportMesures(Contexte& ctx) {
    QString raison;
    if (!RapportMesuresFeuilles(ctx, {}, &raison) && !raison.isEmpty())
        ctx.fenetre.Information(QStringLiteral("Impossible d'enregistrer :") + QChar(13) + raison);
}
