#pragma once

struct Contexte;

// Settings: the defaults applied when "Velmor.ini" does not exist, then the completion steps that
// follow every reading of the settings.
void AppliquerParametresParDefaut(Contexte& ctx);
void CompleterParametres(Contexte& ctx);
