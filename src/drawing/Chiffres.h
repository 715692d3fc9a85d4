#pragma once
// Numbers drawn with the digit paths of the program tables.

#include <QString>

struct Contexte;

// Draws the leading digits of `mot` (the current word) after the text of the line, each digit
// placed by the pair advance read from its entry for the digit before it; stops at the first
// character that is not a digit. A word that does not begin with a digit draws nothing.
void DessineChiffres(Contexte& ctx, const QString& mot);
