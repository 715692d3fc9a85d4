#include "drawing/Entrees.h"

#include "app/Contexte.h"
#include "config/Texte8Bits.h"

int ChiffreEntree(const QString& entree, int position) {
    if (position < 1 || position > entree.size()) return 0;
    return Code1252(entree[position - 1]) - 48;
}

bool SansPartie(const QString& entree, int position) {
    return position >= 1 && position <= entree.size() && entree[position - 1] == u'°';
}

const QString& EntreeGlyphe(const Tables& tables, int codeLettre, int forme, int couche) {
    static const QString vide;
    const int lettre = codeLettre - 97;
    if (lettre < 0 || lettre >= Tables::NbLettres || forme < 0 || forme >= Tables::NbFormes || couche < 0 ||
        couche >= Tables::NbCouches)
        return vide;
    return tables.TableGlyphes[lettre][forme][couche];
}

double DecalageAttache(const Contexte& ctx) {
    const EtatProgramme& e = ctx.etat;
    return static_cast<double>(e.Taille) *
           ChiffreEntree(EntreeGlyphe(ctx.tables, e.LettreComposee, e.FormeComposee), 5);
}
