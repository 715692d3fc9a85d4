#pragma once
struct Contexte;

// Writes the cursor and mouse positions into the main window's caption.
void AfficheEtat(Contexte& ctx);
