#pragma once
// A bench on a line at y 100 with its left margin at 15: size 1, a word space of 10 pixels.

#include "support/Banc.h"

struct BancLigne : Banc {
    BancLigne() : Banc(400, 200) {
        EtatProgramme& e = etat();
        e.MargeGauche = 15, e.YLigne = e.PosY = 100, e.PasLigne = 38, e.HauteurCaractere = 12, e.LargeurBlanc = 10;
        e.Taille = 1, e.PosX = 190;
    }
};
