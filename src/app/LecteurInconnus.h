#pragma once
// The reader of words no dictionary holds, French and English, when the build has espeak-ng: it
// reads the word, maps its IPA through the generator's table (tools/dictionnaires/api.txt, built
// in) and keeps the spelling in the user dictionary of the language, "Fohms_Lus_FR.TXT" or
// "Fohms_Lus_EN.TXT" ("word;spelling" lines the user may correct), in the program folder or, when
// that cannot be written, in the user's configuration folder. That file is consulted before the
// shipped ones. Without espeak-ng nothing is set and the program reads words as before.

#include <QString>

struct Contexte;

// Sets the hooks of ctx.crochets (nothing without espeak-ng).
void BrancherLecteurInconnus(Contexte& ctx);

bool LecteurInconnusDisponible();   // the build has espeak-ng
void ActiverLecteurInconnus(bool actif);  // on by default; off: neither read nor consulted
bool LecteurInconnusActif();

// The user dictionary of a language (1 French, 2 English), in the folder the program writes to.
QString CheminLus(const Contexte& ctx, int langue);
