#include "app/Demarrage.h"

#include "base/Contexte.h"
#include "config/ChargeTables.h"
#include "config/Parametres.h"
#include "layout/Lignes.h"
#include "layout/MagasinImages.h"

#include <QDir>

namespace {

EtatTables Demarrer(Contexte& ctx, bool lireParametres) {
    EtatProgramme& e = ctx.etat;
    e.StyleRemplissage = 1;
    e.PageEntamee = false;
    e.UniteHauteur = 12;
    e.TitreFenetre = ctx.fenetre.Texte(QStringLiteral("frmEdit")) + QStringLiteral("   ");
    if (lireParametres) {
        LireParametres(ctx);
    } else {
        AppliquerParametresParDefaut(ctx);
        CompleterParametres(ctx);
    }
    const EtatTables tables = ChargeTables(ctx);
    NouvelleLigne(ctx);
    e.PosX = 0;
    e.CollageEnCours = false;
    ctx.ecrans.PreparerFeuille(ctx.surface);  // the first screen change then costs no clearing
    return tables;
}

}  // namespace

// The editor says at once when the glyph tables are missing: nothing could be drawn.
EtatTables Main(Contexte& ctx) {
    const EtatTables tables = Demarrer(ctx, true);
    if (tables == EtatTables::Absentes)
        ctx.fenetre.Information(QStringLiteral("Impossible de lire les tables des glyphes :") + QChar(13) +
                                QDir::toNativeSeparators(ctx.Fichier(QStringLiteral("APABDIDS.TXT"))));
    return tables;
}

EtatTables MainParDefaut(Contexte& ctx) { return Demarrer(ctx, false); }
