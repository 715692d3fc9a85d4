// The path interpreter on a 64 × 48 surface: any path, size, relief, first position and colour code.
#include "Cadre.h"
#include "config/Bornes.h"
#include "config/Parametres.h"
#include "drawing/Dessin.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
    Octets o(donnees, taille);
    Cadre c;
    EtatProgramme& e = c.ctx->etat;
    e.Taille = BorneTaille(o.Octet() % kTailleMaxi + 1);
    const std::uint8_t drapeaux = o.Octet();
    e.Relief = drapeaux & 1;
    e.TexteMulticolore = drapeaux & 2;
    e.RythmeColler = (drapeaux >> 2) & 3;
    const int premier = (drapeaux >> 4) & 7;
    const QString code(QChar(o.Octet()));
    if (e.TexteMulticolore) ActiverMulticolore(*c.ctx);
    const QString chemin = drapeaux & 0x80 ? QString::fromUtf8(o.Reste()) : o.Latin1();
    double x = 20, y = 20;
    Dessin(*c.ctx, chemin, x, y, premier, 0, code);
    EffacePoints(*c.ctx);
    return 0;
}
