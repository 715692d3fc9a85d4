#pragma once
// Script and language selection with their display on the main window's two caption buttons
// ("CmdScaqh", "CmdLihg"), and the setters behind the colour, line spacing, word space, size and
// relief markers.

#include <QString>

struct Contexte;

// Applies the script already stored in Ecriture: writes its caption and, when the script changed
// (as read back from the caption written last) or is A.P.I., places the cursor for it.
void ChoisirEcriture(Contexte& ctx);

// Sets Langue from a language marker or its two-letter code and shows it; anything else leaves
// Langue as it is.
void ChoisirLangue(Contexte& ctx, QString& marqueur);

void FixerCouleur(Contexte& ctx, double n);     // NumCouleur
void FixerInterligne(Contexte& ctx, double n);  // line spacing, through the "TxtHauteurLigne" box
void FixerBlanc(Contexte& ctx, double n);       // word space in size units
void FixerTaille(Contexte& ctx, double n);      // character size, 1 to 50
void FixerRelief(Contexte& ctx, double n);      // relief on (not 0) or off, as deep as the size

// What the main window's boxes do when their text changes: the size and the line spacing.
void TailleSaisie(Contexte& ctx, const QString& texte);
void HauteurLigneSaisie(Contexte& ctx, const QString& texte);
