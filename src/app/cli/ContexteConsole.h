#pragma once
// A context for the headless subcommands: a fresh white surface, the console window interface and a
// clock that does not wait, hooked as the entry point asks (the reader of unknown words).

#include "app/ContexteProgramme.h"
#include "app/cli/FenetreConsole.h"
#include "config/ChargeTables.h"

#include <memory>

// What every console context made from now on is hooked with (the entry point gives the reader of
// unknown words); nothing until it is set.
void FixerBranchementConsoles(void (*brancher)(Contexte&));
void BrancherConsole(Contexte& ctx);

struct ContexteConsole {
    ContexteConsole(int largeur, int hauteur, const QString& dossier, QTextStream& erreurs)
        : surface(largeur, hauteur), fenetre(erreurs), ctx(std::make_unique<ContexteProgramme>(surface, fenetre, horloge, dossier)) {
        ctx->etat.CouleurFond = surface.CouleurFond();
        BrancherConsole(*ctx);
    }
    Surface surface;
    FenetreConsole fenetre;
    HorlogeMuette horloge;
    std::unique_ptr<ContexteProgramme> ctx;
};

// True when the tables were read; otherwise false, having named the missing file (a damaged one was
// named as it was read).
bool TablesLisibles(EtatTables etat, const Contexte& ctx, QTextStream& erreurs);

// Saves the surface as BMP or PNG, by the file's extension; says why on `erreurs` when it cannot.
bool SauverImage(const Surface& s, const QString& fichier, QTextStream& erreurs);
