#pragma once
// The captions of the main window's script and language buttons ("CmdScaqh", "CmdLihg").

#include <QString>

struct Contexte;

// The caption of a script code 0..3 ("Velmor", "Dorvane", "Latine", "A.P.I."), empty otherwise.
QString LegendeEcriture(int ecriture);

// The script code of a caption, -1 for any other text.
int CodeEcriture(const QString& legende);

// Sets the caption of "CmdLihg" from Langue, or "MP3" when ModeSon is 2.
void AfficherLangue(Contexte& ctx);
