#include "drawing/Dessin.h"

#include "base/Contexte.h"
#include "base/Texte8Bits.h"

namespace {

// Makes the strokes drawn so far visible, then waits: about 20 ms per flush.
void Flush(Contexte& ctx) {
    ctx.surface.FixerPersistant(false);
    ctx.fenetre.Rafraichir();
    ctx.horloge.Attendre(10);
    ctx.surface.FixerPersistant(true);
    ctx.horloge.Attendre(10);
}

int Argument(QChar c) { return (c.unicode() < 128 ? c.unicode() : Code1252(c)) - 48; }

// The stem of "S" (sens 1, down) or "N" (sens -1, up): scans from the pen to the first pixel that
// is not the background and joins it when it is less than 4 × Taille away.
void Tige(Contexte& ctx, double x, double y, int sens) {
    const EtatProgramme& e = ctx.etat;
    if (e.Ecriture != Ecritures::Velmor || e.TigeInterdite) return;
    const Surface& s = ctx.surface;
    const int px = static_cast<int>(std::floor(x + 0.5));
    const int py = static_cast<int>(std::floor(y + 0.5));
    const QRgb fond = Surface::VersRgb(e.CouleurFond);
    int d = 1;
    if (px >= 0 && px < s.Largeur()) {
        for (int yy = py + sens; yy >= 0 && yy < s.Hauteur(); yy += sens, ++d)
            if (s.LigneBrute(yy)[px] != fond) break;
    }
    if (d < 4 * e.Taille) ctx.surface.Ligne(x, y, x, y + sens * d);
}

}  // namespace

// Path commands. Letters are read case-insensitively; every letter is followed by one argument
// character, read even where it is ignored (shown "(n)"), and T, P and B by a second one; an
// argument character stands for its code - 48 ("0".."9", ":" 10, ";" 11, "<" 12 ... "/" -1, "." -2);
// a step L is argument × Taille. A path ending before a letter's arguments is an error.
//
//   letter  arguments  effect                                              pen after
//   R       n          line right                                          (x + L, y)
//   L       n          line left                                           (x - L, y)
//   U       n          line up                                             (x, y - L)
//   D       n          line down                                           (x, y + L)
//   E       n          line up and right                                   (x + L, y - L)
//   F       n          line down and right                                 (x + L, y + L)
//   G       n          line down and left                                  (x - L, y + L)
//   H       n          line up and left                                    (x - L, y - L)
//   T       a b        line to (x + a·Taille, y + b·Taille)                that point
//   P       a b        jump to origin + (a, b)·Taille and set that pixel   that point
//   B       a b        as P, and erase that dot at the start of next pass  that point
//   C       n          circle of radius L centred on the pen               (x + 2L, y)
//   S       (n)        stem down to the stroke below if nearer than 4·T    unchanged
//   N       (n)        stem up to the stroke above if nearer than 4·T      unchanged
//   other   (n)        nothing                                             unchanged
bool Dessin(Contexte& ctx, const QString& chemin, double& x, double& y, int premier, Couleur couleur,
            const QString& code) {
    EtatProgramme& e = ctx.etat;
    Surface& s = ctx.surface;
    if (e.ModeRecherche || e.LimiteAtteinte) return true;
    if (e.PosX < e.MargeGauche) e.PosX = e.MargeGauche;
    if (ctx.crochets.ObserverDessin) ctx.crochets.ObserverDessin({chemin, x, y, premier, couleur});

    const auto erreur = [&] {
        ctx.fenetre.Information(QStringLiteral("Erreur dans ''Dessin$'' : ") + chemin);
        return false;
    };

    // Multicolour applies to the codes that name a cell of the table (the glyphs' vowel forms);
    // marks, digits and signs, drawn without such a code, keep the colour given.
    const int cellule = code.isEmpty() ? -1 : Argument(code.back());
    if (e.TexteMulticolore && !e.Repositionnement && cellule >= 0 && cellule <= 10) {
        bool nombre = false;
        const qlonglong c = e.CouleursMulticolores[static_cast<size_t>(cellule)].trimmed().toLongLong(&nombre);
        if (!nombre) return erreur();
        s.FixerCouleurTrait(static_cast<Couleur>(c));
    } else {
        s.FixerCouleurTrait(couleur);
    }

    if (e.Ecriture != e.EcritureAvantDerniere) {
        e.EcritureAvantLatin = e.EcritureAvantDerniere;
        e.EcritureNouvelle = e.Ecriture;
        if (ctx.crochets.ChangementEcriture) ctx.crochets.ChangementEcriture(ctx);
    }

    const int t = e.Taille;
    const int passesEnPlus = e.Relief ? t : 0;
    int decalage = e.Relief ? -t : 0;
    if (!e.Relief) {
        e.XOrigine = x;
        e.YOrigine = y;
    }
    const double x0 = x, y0 = y;
    const qsizetype longueur = chemin.size();

    for (int passe = 0; passe <= passesEnPlus; ++passe) {
        if (e.RythmeColler == 3) Flush(ctx);
        EffacePoints(ctx);
        if (e.Relief) {
            ++decalage;
            x -= decalage;
            y += decalage;
            e.XOrigine = x;
            e.YOrigine = y;
        }
        for (qsizetype k = qMax(premier, 1) - 1; k < longueur;) {
            if (e.RythmeColler == 3) Flush(ctx);
            const char16_t brut = chemin[k].unicode();
            const QChar lettre = brut >= u'a' && brut <= u'z' ? QChar(brut - 32) : (brut < 128 ? QChar(brut) : chemin[k].toUpper());
            if (k + 1 >= longueur) return erreur();
            const int n = Argument(chemin[k + 1]);
            const double l = static_cast<double>(t) * n;
            k += 2;
            switch (lettre.unicode()) {
            case u'R': s.Ligne(x, y, x + l, y); x += l; break;
            case u'L': s.Ligne(x, y, x - l, y); x -= l; break;
            case u'U': s.Ligne(x, y, x, y - l); y -= l; break;
            case u'D': s.Ligne(x, y, x, y + l); y += l; break;
            case u'E': s.Ligne(x, y, x + l, y - l); x += l; y -= l; break;
            case u'F': s.Ligne(x, y, x + l, y + l); x += l; y += l; break;
            case u'G': s.Ligne(x, y, x - l, y + l); x -= l; y += l; break;
            case u'H': s.Ligne(x, y, x - l, y - l); x -= l; y -= l; break;
            case u'T':
            case u'P':
            case u'B': {
                if (k >= longueur) return erreur();
                const double b = static_cast<double>(t) * Argument(chemin[k]);
                ++k;
                if (lettre == u'T') {
                    s.Ligne(x, y, x + l, y + b);
                    x += l;
                    y += b;
                    break;
                }
                x = e.XOrigine + l;
                y = e.YOrigine + b;
                s.Point(x, y);
                if (lettre == u'B') {
                    e.XPointB = x;
                    e.YPointB = y;
                    e.PointBPose = true;
                }
                break;
            }
            case u'C':
                s.FixerCouleurRemplissage(s.CouleurFond());
                s.Cercle(x, y, l);
                x += 2 * l;
                break;
            case u'S': Tige(ctx, x, y, 1); break;
            case u'N': Tige(ctx, x, y, -1); break;
            default: break;
            }
            e.EcritureAvantDerniere = e.EcriturePrecedente;
            e.EcriturePrecedente = e.Ecriture;
        }
        e.TigeInterdite = false;
        x = x0;
        y = y0;
        e.RetourForce = false;
        e.PageEntamee = true;
        if ((!e.CollageEnCours || e.RythmeColler > 1) && ctx.crochets.AfficheEtat) ctx.crochets.AfficheEtat(ctx);
    }
    e.DernierCode = code;
    return true;
}

void EffacePoints(Contexte& ctx) {
    EtatProgramme& e = ctx.etat;
    if (!e.PointBPose && !e.PointCurseurPose) return;
    Surface& s = ctx.surface;
    const int largeur = s.LargeurTrait();
    s.FixerLargeurTrait(1);
    const Couleur fond = s.CouleurFond();
    if (e.PointBPose) {
        s.Point(e.XPointB, e.YPointB, fond);
        e.PointBPose = false;
    }
    if (e.PointCurseurPose) {
        if (s.LirePixel(e.XPointCurseur, e.YPointCurseur - 1) == fond &&
            s.LirePixel(e.XPointCurseur, e.YPointCurseur + 1) == fond)
            s.Point(e.XPointCurseur, e.YPointCurseur, fond);
        e.PointCurseurPose = false;
    }
    s.FixerLargeurTrait(largeur);
}
