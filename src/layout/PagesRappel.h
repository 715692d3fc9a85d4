#pragma once
// The ring of recallable pages: PagesRappelables + 1 snapshots of the surface, each with the cursor
// position it was taken at.

struct Contexte;

// Empties the ring and gives it PagesRappelables + 1 slots.
void RecreerPages(Contexte& ctx);

// Stores the surface in the next slot of the ring (nothing when PagesRappelables is 0).
void MemorisePage(Contexte& ctx);

// "Annuler": puts back the snapshot of the current slot, then steps the ring back.
void AnnulerPage(Contexte& ctx);

// "Reaffiche": steps the ring forward, then puts back that slot's snapshot.
void ReafficherPage(Contexte& ctx);
