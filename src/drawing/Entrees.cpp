#include "drawing/Entrees.h"

#include "base/Contexte.h"
#include "base/Texte8Bits.h"

double DecalageAttache(const Contexte& ctx) {
    const EtatProgramme& e = ctx.etat;
    return static_cast<double>(e.Taille) *
           ChiffreEntree(EntreeGlyphe(ctx.tables, e.LettreComposee, e.FormeComposee), 5);
}
