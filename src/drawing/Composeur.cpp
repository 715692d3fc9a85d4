#include "drawing/Composeur.h"

#include "base/Contexte.h"
#include "base/Texte8Bits.h"
#include "drawing/Dessin.h"
#include "drawing/Entrees.h"
#include "drawing/Scanners.h"

namespace {

// Entry positions of the eight column offsets: two per stem, the probe column then the stem's
// own column. Stems 1 and 2 hang down from the cell's top boundary, stems 3 and 4 rise from it;
// stems 1 and 3 serve the left mark, 2 and 4 the right mark.
constexpr int kColonnesConsonne[8] = {7, 6, 7, 8, 9, 7, 10, 7};
constexpr int kColonnesVoyelle[8] = {8, 7, 8, 9, 7, 8, 9, 8};
constexpr int kSousCheminConsonne = 19, kTigesConsonne = 25;
constexpr int kSousCheminVoyelle = 17, kTigesVoyelle = 23;

bool EstLettreVoyelle(int code) {
    if (code >= 'A' && code <= 'Z') code += 32;
    return code == 'a' || code == 'e' || code == 'i' || code == 'o' || code == 'u' || code == 'y';
}

// A stem of `longueur` rows from y0 in direction `sens` bridges a gap when, on the probe column,
// a stroke lies at the boundary (row y0 or the cell's top row y0 + 1) and another at the stem's far
// end (its last row or the next one out), and every row between them is background on the probe
// column, the stem's column and the stem's two neighbours.
bool Breche(const QImage& image, int sonde, int tige, int y0, int longueur, int sens, unsigned fond) {
    const int procheA = sens > 0 ? y0 + 1 : y0, procheB = sens > 0 ? y0 : y0 + 1;
    int proche;
    if (Encre(image, sonde, procheA, fond))
        proche = procheA;
    else if (Encre(image, sonde, procheB, fond))
        proche = procheB;
    else
        return false;
    const int bout = y0 + sens * longueur;
    int loin;
    if (Encre(image, sonde, bout, fond))
        loin = bout;
    else if (Encre(image, sonde, bout + sens, fond))
        loin = bout + sens;
    else
        return false;
    if ((loin - proche) * sens < 2) return false;
    const int haut = qMin(proche, loin) + 1, bas = qMax(proche, loin) - 1;
    for (int x : {sonde, tige - 1, tige, tige + 1})
        if (ColonneEncree(image, x, haut, bas, fond, x) >= 0) return false;
    return true;
}

}  // namespace

void ComposeGlyphe(Contexte& ctx, int codeLettre, int forme) {
    EtatProgramme& e = ctx.etat;
    e.PhaseDessinPrecedente = e.PhaseDessin;
    e.PhaseDessin = QStringLiteral("T7");
    if (e.XTrace == e.XComposition && e.YLigne == e.YComposition) return;
    e.XComposition = e.XTrace;
    e.YComposition = e.YLigne;

    const int lettre = codeLettre >= 'A' && codeLettre <= 'Z' ? codeLettre + 32 : codeLettre;
    const QString& entree = EntreeGlyphe(ctx.tables, lettre, forme);
    if (entree.isEmpty()) return;
    const bool voyelle = EstLettreVoyelle(lettre);
    const int* colonnes = voyelle ? kColonnesVoyelle : kColonnesConsonne;
    const int debutSousChemin = voyelle ? kSousCheminVoyelle : kSousCheminConsonne;
    const int debutTiges = voyelle ? kTigesVoyelle : kTigesConsonne;
    const double t = e.Taille;
    const bool marqueGauche = !SansPartie(entree, 3), marqueDroite = !SansPartie(entree, 4);
    if (!marqueGauche && !marqueDroite) return;

    // The sub-path joins the marks: drawn first, at mid-height where the marks lie, so that the
    // stems can reach it.
    const QString sousChemin = entree.mid(debutSousChemin - 1, debutTiges - debutSousChemin).trimmed();
    if (!sousChemin.isEmpty() && sousChemin[0] != u'°') {
        double x = e.XTrace, y = e.YLigne - e.HauteurCaractere / 2;
        Dessin(ctx, sousChemin, x, y, 1, e.CouleurTexte, QString());
    }

    const unsigned fond = EchantillonneFond(ctx);
    const int y0 = PixelProche(e.YLigne - e.HauteurCaractere - 1);
    double plume = e.XTrace;
    for (int i = 0; i < 4; ++i) {
        const int position = debutTiges + i;
        if (position > entree.size()) break;
        const QChar c = entree[position - 1];
        if (c == u'0') continue;
        if (c < u'1' || c > u'9') {
            plume += t * (Code1252(c) - 48);
            continue;
        }
        if (i % 2 == 0 ? !marqueGauche : !marqueDroite) continue;
        const int sens = i < 2 ? 1 : -1;
        const double sonde = plume + t * ChiffreEntree(entree, colonnes[2 * i]);
        double x = plume + t * ChiffreEntree(entree, colonnes[2 * i + 1]);
        if (!Breche(ctx.surface.Vue(), PixelProche(sonde), PixelProche(x), y0, (c.unicode() - u'0') * e.Taille, sens,
                    fond))
            continue;
        double y = y0;
        Dessin(ctx, sens > 0 ? QStringLiteral("D") + c + QStringLiteral("U1") : QStringLiteral("U") + c + QStringLiteral("D1"),
               x, y, 1, e.CouleurTexte, QString());
    }
}
