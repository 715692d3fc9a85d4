#pragma once
// Full screens stored as numbered pages while a long text is pasted (screens 1 to 20), or handed
// to the context's receiver of screens as they fill (as many as its limit allows).

struct Contexte;

// Stores the current screen under the number shown in "TxtPaq" with its cursor and scroll state,
// and starts a new screen when one is due.
void MemoriseEcran(Contexte& ctx);

// Puts stored screen `numero` back on the surface with its cursor; false when it was never stored.
// A screen stored as it gave way to the next one keeps a cursor on the line below its last: the
// cursor then goes after the text of the last line the picture holds, so that a typed word lands
// on the picture (and a full line makes it grow, as typing does).
bool AfficherEcran(Contexte& ctx, int numero);

// Before another screen is shown: the screen on the surface is stored under the number "TxtPaq"
// shows, as it is, with its cursor (the newest screen of a paste was stored nowhere yet).
void GarderEcranAffiche(Contexte& ctx);
