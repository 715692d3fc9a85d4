// Unpaced transcription and drawing of a 2,000-word phonetic text at size 1, against the floor:
// Dessin alone drawing the same paths at the same points. Also the latency of one typed word.
// Each is measured with the shipped tables (data/) and with the small test tables
// (tests/data/tables), whose short paths make the floor lower.

#include "FenetreMuette.h"
#include "app/ContexteProgramme.h"
#include "app/Demarrage.h"
#include "drawing/Dessin.h"
#include "transcription/Transcrire.h"

#include <QGuiApplication>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <random>

namespace {

const QString kLivrees = QStringLiteral(VELMOR_PROGRAM_DATA);
const QString kEssai = QStringLiteral(VELMOR_TEST_TABLES);

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
    explicit Poste(const QString& tables, int hauteur = 200)
        : surface(1000, hauteur), ctx(std::make_unique<ContexteProgramme>(surface, fenetre, horloge, tables)) {
        Main(*ctx);
        ctx->etat.Relief = false;
        ctx->etat.ProfondeurRelief = 0;
        ctx->etat.Langue = 3;
        ctx->etat.CollageEnCours = true;
    }
    Surface surface;
    FenetreMuette fenetre;
    HorlogeMuette horloge;
    std::unique_ptr<ContexteProgramme> ctx;
};

// What writing the text left: surfaces started and missing-glyph lines.
struct Bilan {
    int surfaces = 0;
    int manquants = 0;
    double secondes = 0;  // writing alone, the starts of the program left out
};

using Horloge = std::chrono::steady_clock;
double Secondes(Horloge::duration d) { return std::chrono::duration<double>(d).count(); }

// Writes the words, starting a fresh surface when the text limit stops the drawing. Starting the
// program (tables loaded, surface made) is left out of the timing.
Bilan Ecrire(const QString& tables, const QStringList& mots, std::vector<AppelDessin>* journal,
             benchmark::State* state = nullptr) {
    Bilan bilan;
    std::unique_ptr<Poste> poste;
    const auto finir = [&] {
        if (poste) bilan.manquants += static_cast<int>(poste->ctx->etat.MessagesManquants.count(u'\n'));
    };
    Horloge::time_point debut;
    const auto demarrer = [&] {
        ++bilan.surfaces;
        if (state) state->PauseTiming();
        if (poste) bilan.secondes += Secondes(Horloge::now() - debut);
        finir();
        poste = std::make_unique<Poste>(tables);
        poste->ctx->journalDessin = journal;
        if (state) state->ResumeTiming();
        debut = Horloge::now();
    };
    demarrer();
    for (const QString& m : mots) {
        if (poste->ctx->etat.LimiteAtteinte || poste->ctx->etat.DernierEcran >= 19) demarrer();
        poste->ctx->etat.Tampon = m;
        Transcrire(*poste->ctx);
    }
    bilan.secondes += Secondes(Horloge::now() - debut);
    if (state) state->PauseTiming();
    finir();
    poste.reset();
    if (state) state->ResumeTiming();
    return bilan;
}

void BM_Transcription2000Mots(benchmark::State& state, const QString& tables) {
    const QStringList mots = Texte(2000);
    Bilan bilan;
    for (auto _ : state) bilan = Ecrire(tables, mots, nullptr, &state);
    state.counters["surfaces"] = bilan.surfaces;
    state.counters["manquants"] = bilan.manquants;
    state.counters["mots/s"] = benchmark::Counter(2000.0 * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK_CAPTURE(BM_Transcription2000Mots, livrees, kLivrees)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Transcription2000Mots, essai, kEssai)->Unit(benchmark::kMillisecond);

// The paths the text draws, where it draws them.
std::vector<AppelDessin> Journal(const QString& tables, const QStringList& mots) {
    std::vector<AppelDessin> journal;
    Ecrire(tables, mots, &journal);
    return journal;
}

double DessinerJournal(Poste& poste, const std::vector<AppelDessin>& journal) {
    const Horloge::time_point debut = Horloge::now();
    for (const AppelDessin& a : journal) {
        double x = a.x, y = a.y;
        Dessin(*poste.ctx, a.chemin, x, y, a.premier, a.couleur, QString());
    }
    return Secondes(Horloge::now() - debut);
}

void BM_PlancherDessin(benchmark::State& state, const QString& tables) {
    const std::vector<AppelDessin> journal = Journal(tables, Texte(2000));
    Poste poste(tables, 2100);  // the height the text grows the surface to
    for (auto _ : state) DessinerJournal(poste, journal);
    state.counters["appels"] = static_cast<double>(journal.size());
}
BENCHMARK_CAPTURE(BM_PlancherDessin, livrees, kLivrees)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PlancherDessin, essai, kEssai)->Unit(benchmark::kMillisecond);

// The ratio itself, the text and the floor taking turns so that both see the machine in the same
// state: the sums of their times, and their ratio.
void BM_RapportAuPlancher(benchmark::State& state, const QString& tables) {
    const QStringList mots = Texte(2000);
    const std::vector<AppelDessin> journal = Journal(tables, mots);
    Poste poste(tables, 2100);
    double texte = 0, plancher = 0;
    for (auto _ : state) {
        const double t = Ecrire(tables, mots, nullptr, &state).secondes;
        const double p = DessinerJournal(poste, journal);
        texte += t;
        plancher += p;
        state.SetIterationTime(t + p);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["texte_ms"] = 1000 * texte / n;
    state.counters["plancher_ms"] = 1000 * plancher / n;
    state.counters["rapport"] = texte / plancher;
}
BENCHMARK_CAPTURE(BM_RapportAuPlancher, livrees, kLivrees)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RapportAuPlancher, essai, kEssai)->UseManualTime()->Unit(benchmark::kMillisecond);

// One word handed to Transcrire as the typing path does: median and 99th percentile.
void BM_LatenceMot(benchmark::State& state, const QString& tables) {
    const QStringList mots = Texte(400);
    std::vector<double> durees;
    for (auto _ : state) {
        Poste poste(tables);
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
BENCHMARK_CAPTURE(BM_LatenceMot, livrees, kLivrees)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_LatenceMot, essai, kEssai)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

