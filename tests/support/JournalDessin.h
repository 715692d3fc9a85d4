#pragma once
// Every call of Dessin recorded into a journal, through the context's drawing watcher.

#include "base/Contexte.h"

#include <vector>

// Records each call into `journal`; nullptr stops the recording.
inline void JournaliserDessins(Contexte& ctx, std::vector<AppelDessin>* journal) {
    if (journal)
        ctx.crochets.ObserverDessin = [journal](const AppelDessin& a) { journal->push_back(a); };
    else
        ctx.crochets.ObserverDessin = nullptr;
}
