#pragma once

struct Contexte;

// Start-up, in order: the fixed fields, the settings, the program tables, the first line, the
// cursor at X 0. The caller then shows the main window.
void Main(Contexte& ctx);
