#pragma once

struct Contexte;

// Sets the context's hooks that the drawing folder calls: the position display and the spacing at
// a change of script.
void BrancherMiseEnPage(Contexte& ctx);
