#pragma once

#include "config/ChargeTables.h"

struct Contexte;

// Start-up, in order: the fixed fields, the settings ("Velmor.ini" or the defaults), the program
// tables, the first line, the cursor at X 0. The caller then shows the main window. Answers how the
// tables were read.
EtatTables Main(Contexte& ctx);

// The same start-up on the built-in settings, leaving any settings file unread: the headless
// commands draw the same whatever a user's settings hold.
EtatTables MainParDefaut(Contexte& ctx);
