#include "base/ListeTraces.h"

#include <gtest/gtest.h>
#include <random>
#include <thread>

namespace {

std::vector<Trace> Contenu(const ListeTraces& l) {
    std::vector<Trace> r;
    l.PourChaque([&](const Trace& t) { r.push_back(t); });
    return r;
}

// Lists and their copies, over several blocks, each keep what was recorded in them while the
// others change, copies being dropped on another thread as the screen store does.
TEST(ListeTraces, CopiesKeepTheirRecordsWhileTheOriginalChanges) {
    std::mt19937 alea(11);
    ListeTraces liste;
    std::vector<Trace> modele;
    std::vector<std::pair<std::shared_ptr<ListeTraces>, std::vector<Trace>>> copies;
    for (int pas = 0; pas < 6000; ++pas) {
        Trace t;
        t.x1 = pas;
        t.y1 = static_cast<int>(alea() % 50);
        t.inverse = alea() % 4 == 0;
        // An inverted figure drawn again the same way cancels the last one like it.
        const Trace pareil = t.inverse && !modele.empty() ? modele[alea() % modele.size()] : t;
        liste.Ajouter(pareil);
        const auto dernier = std::find(modele.rbegin(), modele.rend(), pareil);
        if (pareil.inverse && dernier != modele.rend())
            modele.erase(std::next(dernier).base());
        else
            modele.push_back(pareil);
        if (alea() % 500 == 0) copies.emplace_back(std::make_shared<ListeTraces>(liste), modele);
    }
    EXPECT_EQ(Contenu(liste), modele);
    for (const auto& [copie, attendu] : copies) EXPECT_EQ(Contenu(*copie), attendu);
    copies.erase(copies.begin(), copies.begin() + static_cast<std::ptrdiff_t>(copies.size() / 2));
    std::thread([&] { copies.clear(); }).join();
    liste.Ajouter(Trace{});
    modele.push_back(Trace{});
    EXPECT_EQ(Contenu(liste), modele);
}

}  // namespace
