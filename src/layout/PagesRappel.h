#pragma once
// The ring of recallable pages: PagesRappelables + 1 snapshots of the surface, each with the cursor
// position it was taken at. A snapshot is taken before each word or figure; "Annuler" first keeps
// the picture it leaves, so that "Reaffiche" can bring it back.

struct Contexte;

// Empties the ring and gives it PagesRappelables + 1 slots.
void RecreerPages(Contexte& ctx);

// Stores the surface in the next slot of the ring (nothing when PagesRappelables is 0). What
// "Annuler" had stepped back over can no longer be brought back.
void MemorisePage(Contexte& ctx);

// "Annuler": keeps the current picture when it is the newest, puts back the snapshot of the current
// slot, then steps the ring back. Nothing when no older snapshot is left.
void AnnulerPage(Contexte& ctx);

// "Reaffiche": steps the ring forward and puts back the next newer picture, up to the one "Annuler"
// left. Nothing at the newest picture.
void ReafficherPage(Contexte& ctx);

bool PeutAnnulerPage(const Contexte& ctx);
bool PeutReafficherPage(const Contexte& ctx);
