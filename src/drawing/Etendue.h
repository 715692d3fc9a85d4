#pragma once
// The extent of a path program without drawing it.

#include <QString>

struct EtendueChemin {
    double haut = 0, bas = 0;       // lowest and highest Y reached, relative to the start point
    double gauche = 0, droite = 0;  // same for X
};

// Follows the path from the 1-based position `premier` at size `taille`, as Dessin would draw it.
EtendueChemin Etendue(const QString& chemin, int premier, int taille);
