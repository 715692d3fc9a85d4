#pragma once
// The standard dialogs and buttons of the toolkit in French, as the rest of the program.

// Installs the toolkit's own French translations ("qtbase_fr"); false when they are not installed.
bool TraduireBoitesStandard();
