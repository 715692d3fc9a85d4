// Unpaced transcription and drawing as a user gets it: 2,000 words written as a paste on the
// editor's 1600 x 1200 surface with the shipped tables and dictionaries, every glyph on the
// picture, across screen changes (each full screen stored), at sizes 1 and 3, in phonetic text and
// in French and English prose. Against the floor: Dessin alone drawing the same paths at the same
// points. Also the latency of one typed word with its page snapshot.
//
// Counters: "appels" Dessin calls, "hors_image" those starting off the picture (0 expected),
// "ecrans" screen changes, "postes" editors started, "manquants" missing-glyph lines.

#include "PosteEditeur.h"
#include "drawing/Dessin.h"

#include <QGuiApplication>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

using namespace banc;

constexpr int kMots = 2000;

struct PauseBanc : Pause {
    explicit PauseBanc(benchmark::State& s) : state(s) {}
    void Arreter() override { state.PauseTiming(); }
    void Reprendre() override { state.ResumeTiming(); }
    benchmark::State& state;
};

void Compter(benchmark::State& state, const Bilan& b) {
    state.counters["appels"] = static_cast<double>(b.appels);
    state.counters["hors_image"] = static_cast<double>(b.horsImage);
    state.counters["ecrans"] = b.ecrans;
    state.counters["postes"] = b.postes;
    state.counters["manquants"] = b.manquants;
}

void Etiqueter(benchmark::State& state, int langue, int taille) {
    state.SetLabel(std::string(NomLangue(langue)) + " taille " + std::to_string(taille));
}

// Arguments: language, size.
void BM_Transcription(benchmark::State& state) {
    const int langue = static_cast<int>(state.range(0)), taille = static_cast<int>(state.range(1));
    const QStringList mots = Texte(langue, kMots);
    std::vector<AppelDessin> journal;
    Compter(state, Ecrire(taille, langue, mots, &journal));
    PauseBanc pause(state);
    for (auto _ : state) Ecrire(taille, langue, mots, nullptr, &pause);
    Etiqueter(state, langue, taille);
    state.counters["mots/s"] = benchmark::Counter(double(kMots) * state.iterations(), benchmark::Counter::kIsRate);
}

void Arguments(benchmark::internal::Benchmark* b) {
    for (int langue : {Phonetique, Francais, Anglais})
        for (int taille : {1, 3}) b->Args({langue, taille});
}
BENCHMARK(BM_Transcription)->Apply(Arguments)->Unit(benchmark::kMillisecond);

// The paths of the journal drawn by Dessin alone, on a fresh editor as each round of the text gets
// (one kept from round to round would pile up a screen's records a round, taking the memory the
// text's editors give back): the drawing's time.
double DessinerJournal(int taille, int langue, const std::vector<AppelDessin>& journal) {
    Poste poste(taille, langue);
    const Chrono::time_point debut = Chrono::now();
    for (const AppelDessin& a : journal) {
        double x = a.x, y = a.y;
        Dessin(*poste.ctx, a.chemin, x, y, a.premier, a.couleur, QString());
    }
    return Secondes(Chrono::now() - debut);
}

// The floor: the paths the text draws, drawn by Dessin alone at the same points on a surface of
// the same size.
void BM_PlancherDessin(benchmark::State& state) {
    const int langue = static_cast<int>(state.range(0)), taille = static_cast<int>(state.range(1));
    std::vector<AppelDessin> journal;
    Compter(state, Ecrire(taille, langue, Texte(langue, kMots), &journal));
    for (auto _ : state) state.SetIterationTime(DessinerJournal(taille, langue, journal));
    Etiqueter(state, langue, taille);
}
BENCHMARK(BM_PlancherDessin)->Apply(Arguments)->UseManualTime()->Unit(benchmark::kMillisecond);

// The ratio itself, the text and the floor taking turns so that both see the machine in the same
// state: the means of their times, and their ratio.
void BM_RapportAuPlancher(benchmark::State& state) {
    const int langue = static_cast<int>(state.range(0)), taille = static_cast<int>(state.range(1));
    const QStringList mots = Texte(langue, kMots);
    std::vector<AppelDessin> journal;
    Compter(state, Ecrire(taille, langue, mots, &journal));
    double texte = 0, plancher = 0;
    for (auto _ : state) {
        const double t = Ecrire(taille, langue, mots).secondes;
        const double p = DessinerJournal(taille, langue, journal);
        texte += t;
        plancher += p;
        state.SetIterationTime(t + p);
    }
    const double n = static_cast<double>(state.iterations());
    Etiqueter(state, langue, taille);
    state.counters["texte_ms"] = 1000 * texte / n;
    state.counters["plancher_ms"] = 1000 * plancher / n;
    state.counters["rapport"] = texte / plancher;
}
BENCHMARK(BM_RapportAuPlancher)->Apply(Arguments)->UseManualTime()->Unit(benchmark::kMillisecond);

// An editor for typing, its dictionaries loaded as the first word of a session loads them.
std::unique_ptr<Poste> PosteFrappe(int taille, int langue) {
    auto poste = std::make_unique<Poste>(taille, langue);
    poste->ctx->etat.CollageEnCours = false;
    poste->ctx->etat.Tampon = QStringLiteral("a");
    Transcrire(*poste->ctx);
    return poste;
}

// One word handed to Transcrire as typing does (each word also stores a page snapshot): median and
// 99th percentile over a page and more of words, every one on the picture. A full page goes on in
// a fresh editor, started (dictionaries loaded) outside the timing.
void BM_LatenceMot(benchmark::State& state) {
    const int langue = static_cast<int>(state.range(0)), taille = static_cast<int>(state.range(1));
    const QStringList mots = Texte(langue, 1000);
    std::vector<double> durees;
    for (auto _ : state) {
        durees.clear();
        state.PauseTiming();
        auto poste = PosteFrappe(taille, langue);
        state.ResumeTiming();
        for (const QString& m : mots) {
            if (poste->Plein() || poste->ctx->etat.PosY > poste->surface.Hauteur() - 2 * poste->ctx->etat.PasLigne) {
                state.PauseTiming();
                poste = PosteFrappe(taille, langue);
                state.ResumeTiming();
            }
            const auto t0 = Chrono::now();
            poste->ctx->etat.Tampon = m;
            Transcrire(*poste->ctx);
            durees.push_back(std::chrono::duration<double, std::micro>(Chrono::now() - t0).count());
        }
    }
    std::sort(durees.begin(), durees.end());
    Etiqueter(state, langue, taille);
    state.counters["mots"] = static_cast<double>(durees.size());
    state.counters["mediane_us"] = durees[durees.size() / 2];
    state.counters["p99_us"] = durees[durees.size() * 99 / 100];
}
BENCHMARK(BM_LatenceMot)->Args({Phonetique, 1})->Args({Anglais, 1})->Args({Anglais, 3})
    ->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
