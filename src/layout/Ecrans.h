#pragma once
// Full screens stored as numbered pages while a long text is pasted (screens 1 to 20), or handed
// to the context's receiver of screens as they fill (as many as its limit allows).

struct Contexte;

// Stores the current screen under the number shown in "TxtPaq" with its cursor and scroll state,
// and starts a new screen when one is due.
void MemoriseEcran(Contexte& ctx);

// Puts stored screen `numero` back on the surface with its cursor; false when it was never stored.
bool AfficherEcran(Contexte& ctx, int numero);
