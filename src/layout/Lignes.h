#pragma once
// The writing cursor from line to line: the line advance with its growth of the surface, height
// limits and screens, the end-of-line measure and the scroll bars.

struct Contexte;

// Starts a new line: the first line, a swallowed request, the new line's start, screens while
// pasting, growth of the surface and its limits, the recallable page.
void NouvelleLigne(Contexte& ctx);

// XFinGlyphe := the X where the written text of the current line ends, read on four probe rows.
void FinDeLigne(Contexte& ctx);

// LigneVisible := the next line still fits in the visible part of the surface.
void VerifieLigneVisible(Contexte& ctx);

// Scroll ranges from the surface size and the work area.
void AjusteDefilement(Contexte& ctx);

// The height message (nothing while FinProche).
void AlerteHauteur(Contexte& ctx);

// Switches the surface's persistent drawing off and on: what was drawn becomes visible.
void RendreVisible(Contexte& ctx);
