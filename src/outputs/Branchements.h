#pragma once

struct Contexte;

// Sets the context's hooks that the transcriber calls: IPA words and the pronunciation batch.
void BrancherSorties(Contexte& ctx);
