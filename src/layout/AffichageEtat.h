#pragma once
#include <QString>

struct Contexte;

// Writes the cursor and mouse positions into the main window's caption.
void AfficheEtat(Contexte& ctx);

// A number as the caption writes it: a leading space when it is not negative.
QString NombreAvecSigne(double v);
