#pragma once

struct Contexte;

// Appends the lines of the transcribed word (TamponSon, TextePointe) to the pronunciation command
// file "FON.bat" when sound output is on.
void EcrireLotPrononciation(Contexte& ctx);
