// Unpaced transcription and drawing of a 2,000-word phonetic text at size 1, against the floor:
// Dessin alone drawing the same paths at the same points. Also the latency of one typed word.
// Uses the test tables of tests/data/tables.

#include "FenetreMuette.h"
#include "app/Contexte.h"
#include "app/Demarrage.h"
#include "drawing/Dessin.h"
#include "transcription/Transcrire.h"

#include <QGuiApplication>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <random>

namespace {

const QString kTables = QStringLiteral(VELMOR_TEST_TABLES);

QStringList Texte(int mots) {
    static const char* const kSyllabes[] = {"ba", "bo", "da", "ni", "so", "tu", "re", "li", "ma", "ky",
                                            "a",  "e",  "o",  "bha", "bka", "s", "t", "n", "r"};
    std::mt19937 alea(7);
    QStringList r;
    for (int i = 0; i < mots; ++i) {
        QString m;
        const int n = 1 + static_cast<int>(alea() % 3);
        for (int k = 0; k < n; ++k) m += QString::fromLatin1(kSyllabes[alea() % std::size(kSyllabes)]);
        if (alea() % 9 == 0) m += u',';
        r << m;
    }
    return r;
}

struct Poste {
    explicit Poste(int hauteur = 200) : surface(1000, hauteur), ctx(std::make_unique<Contexte>(surface, fenetre, horloge, kTables)) {
        Main(*ctx);
        ctx->etat.Relief = false;
        ctx->etat.ProfondeurRelief = 0;
        ctx->etat.Langue = 3;
        ctx->etat.CollageEnCours = true;
    }
    Surface surface;
    FenetreMuette fenetre;
    HorlogeMuette horloge;
    std::unique_ptr<Contexte> ctx;
};

// Writes the words, starting a fresh surface when the text limit stops the drawing. Starting the
// program (tables loaded, surface made) is left out of the timing.
void Ecrire(const QStringList& mots, std::vector<AppelDessin>* journal, benchmark::State* state = nullptr) {
    const auto demarrer = [&] {
        if (state) state->PauseTiming();
        auto p = std::make_unique<Poste>();
        p->ctx->journalDessin = journal;
        if (state) state->ResumeTiming();
        return p;
    };
    auto poste = demarrer();
    for (const QString& m : mots) {
        if (poste->ctx->etat.LimiteAtteinte || poste->ctx->etat.DernierEcran >= 19) poste = demarrer();
        poste->ctx->etat.Tampon = m;
        Transcrire(*poste->ctx);
    }
}

void BM_Transcription2000Mots(benchmark::State& state) {
    const QStringList mots = Texte(2000);
    for (auto _ : state) Ecrire(mots, nullptr, &state);
    state.counters["mots/s"] = benchmark::Counter(2000.0 * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Transcription2000Mots)->Unit(benchmark::kMillisecond);

void BM_PlancherDessin(benchmark::State& state) {
    std::vector<AppelDessin> journal;
    Ecrire(Texte(2000), &journal);
    Poste poste(2100);  // the height the text grows the surface to
    for (auto _ : state) {
        for (const AppelDessin& a : journal) {
            double x = a.x, y = a.y;
            Dessin(*poste.ctx, a.chemin, x, y, a.premier, a.couleur, QString());
        }
    }
    state.counters["appels"] = static_cast<double>(journal.size());
}
BENCHMARK(BM_PlancherDessin)->Unit(benchmark::kMillisecond);

// One word handed to Transcrire as the typing path does: median and 99th percentile.
void BM_LatenceMot(benchmark::State& state) {
    const QStringList mots = Texte(400);
    std::vector<double> durees;
    for (auto _ : state) {
        Poste poste;
        poste.ctx->etat.CollageEnCours = false;  // typing: each word also stores a page
        durees.clear();
        for (const QString& m : mots) {
            if (poste.ctx->etat.LimiteAtteinte) break;
            const auto t0 = std::chrono::steady_clock::now();
            poste.ctx->etat.Tampon = m;
            Transcrire(*poste.ctx);
            durees.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count());
        }
    }
    std::sort(durees.begin(), durees.end());
    state.counters["mediane_us"] = durees[durees.size() / 2];
    state.counters["p99_us"] = durees[durees.size() * 99 / 100];
}
BENCHMARK(BM_LatenceMot)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

