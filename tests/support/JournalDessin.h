#pragma once
// Every call of Dessin recorded into a journal, through the context's drawing watcher.

#include "base/Contexte.h"

#include <vector>

// Records each call into `journal`; nullptr stops the recording.
inline void JournaliserDessins(Contexte& ctx, std::vector<AppelDessin>* journal) {
    ctx.crochets.ObserverDessin = nullptr;
    if (journal) ctx.crochets.ObserverDessin = [journal](const AppelDessin& a) { journal->push_back(a); };
}
