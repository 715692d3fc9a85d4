#pragma once

struct Contexte;

// Empties the per-page state when a new page begins.
void ReinitialiserPage(Contexte& ctx);
