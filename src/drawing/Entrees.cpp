#include "drawing/Entrees.h"

#include "app/Contexte.h"
#include "config/Texte8Bits.h"

double DecalageAttache(const Contexte& ctx) {
    const EtatProgramme& e = ctx.etat;
    return static_cast<double>(e.Taille) *
           ChiffreEntree(EntreeGlyphe(ctx.tables, e.LettreComposee, e.FormeComposee), 5);
}
