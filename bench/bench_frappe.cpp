// Typing and pasting as the user gets them:
// - BM_LatenceEspace: from the key event of a space sent to the entry window's text box to the
//   word's pixels painted in a shown view of the surface (offscreen platform): median and 99th
//   percentile;
// - BM_Retranscription20Ecrans: a pasted text of about 20 screens re-transcribed unpaced, resumed
//   after each full screen as the entry window does, in words per second, and its ratio to Dessin
//   alone drawing the same paths at the same points (the floor of the transcription benchmark).

#include "FenetreMuette.h"
#include "app/ContexteProgramme.h"
#include "app/Demarrage.h"
#include "app/windows/FenetreEntree.h"
#include "drawing/Dessin.h"
#include "support/JournalDessin.h"
#include "transcription/Retranscription.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <random>

namespace {

const QString kLivrees = QStringLiteral(VELMOR_PROGRAM_DATA);
using Chrono = std::chrono::steady_clock;

QStringList Mots(int n, unsigned graine = 7) {
    static const char* const kSyllabes[] = {"ba", "bo", "da", "ni", "so", "tu", "re", "li", "ma", "ky",
                                            "a",  "e",  "o",  "bha", "bka", "s", "t", "n", "r"};
    std::mt19937 alea(graine);
    QStringList r;
    for (int i = 0; i < n; ++i) {
        QString m;
        const int k = 1 + static_cast<int>(alea() % 3);
        for (int j = 0; j < k; ++j) m += QString::fromLatin1(kSyllabes[alea() % std::size(kSyllabes)]);
        if (alea() % 9 == 0) m += u',';
        r << m;
    }
    return r;
}

// A shown view of the surface that is the window interface: Rafraichir paints it at once.
class Vue : public QWidget, public FenetreMuette {
public:
    explicit Vue(Surface& s) : surface_(s) { resize(s.Largeur(), 600); }
    void Rafraichir() override {
        repaint();
        ++peintures;
    }
    int peintures = 0;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(0, 0, surface_.Vue());
    }

private:
    Surface& surface_;
};

struct Editeur {
    Editeur() : surface(1000, 1050), vue(surface), ctx(std::make_unique<ContexteProgramme>(surface, vue, horloge, kLivrees)) {
        Main(*ctx);
        ctx->etat.Relief = false;
        ctx->etat.ProfondeurRelief = 0;
        ctx->etat.Langue = 3;
        ctx->etat.PosX = ctx->etat.MargeGauche;
        vue.show();
        entree = std::make_unique<FrmEntree>(*ctx);
    }
    void Touche(QChar c) {
        QKeyEvent ev(QEvent::KeyPress, c == u' ' ? Qt::Key_Space : Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(entree->TxtEntree, &ev);
    }
    Surface surface;
    Vue vue;
    HorlogeMuette horloge;
    std::unique_ptr<ContexteProgramme> ctx;
    std::unique_ptr<FrmEntree> entree;
};

void BM_LatenceEspace(benchmark::State& state) {
    const QStringList mots = Mots(300);
    std::vector<double> durees;
    long encre = 0;
    for (auto _ : state) {
        Editeur ed;
        durees.clear();
        for (const QString& m : mots) {
            if (ed.ctx->etat.LimiteAtteinte) break;
            for (const QChar c : m) ed.Touche(c);
            const int avant = ed.vue.peintures;
            const auto t0 = Chrono::now();
            ed.Touche(u' ');
            durees.push_back(std::chrono::duration<double, std::milli>(Chrono::now() - t0).count());
            encre += ed.vue.peintures - avant;  // the space painted the view
        }
    }
    std::sort(durees.begin(), durees.end());
    state.counters["mots"] = static_cast<double>(durees.size());
    state.counters["peintures"] = static_cast<double>(encre) / state.iterations();
    state.counters["mediane_ms"] = durees[durees.size() / 2];
    state.counters["p99_ms"] = durees[durees.size() * 99 / 100];
}
BENCHMARK(BM_LatenceEspace)->Unit(benchmark::kMillisecond)->Iterations(3);

// About 20 screens of the shipped tables at size 1: 12 words a line, 27 lines a screen.
QString Texte20Ecrans() {
    const QStringList mots = Mots(12 * 27 * 19 + 12 * 20);
    QString t;
    for (qsizetype i = 0; i < mots.size(); ++i) t += mots[i] + ((i + 1) % 12 == 0 ? u'\n' : u' ');
    return t;
}

struct Poste {
    Poste() : surface(1000, 1050), ctx(std::make_unique<ContexteProgramme>(surface, fenetre, horloge, kLivrees)) {
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

struct Bilan {
    double secondes = 0;
    int ecrans = 0;
    bool entier = false;
};

Bilan Coller(const QString& texte, std::vector<AppelDessin>* journal = nullptr) {
    Poste p;  // started outside the timing
    JournaliserDessins(*p.ctx, journal);
    const auto t0 = Chrono::now();
    int ecrans = 1;
    FinRetranscrire fin = RetranscrireTexte(*p.ctx, texte);
    for (; fin == FinRetranscrire::EcranPlein; ++ecrans) fin = RetranscrireTexte(*p.ctx, texte);
    return {std::chrono::duration<double>(Chrono::now() - t0).count(), ecrans, fin == FinRetranscrire::Fini};
}

double Plancher(Poste& p, const std::vector<AppelDessin>& journal) {
    const auto t0 = Chrono::now();
    for (const AppelDessin& a : journal) {
        double x = a.x, y = a.y;
        Dessin(*p.ctx, a.chemin, x, y, a.premier, a.couleur, QString());
    }
    return std::chrono::duration<double>(Chrono::now() - t0).count();
}

void BM_Retranscription20Ecrans(benchmark::State& state) {
    const QString texte = Texte20Ecrans();
    std::vector<AppelDessin> journal;
    const Bilan controle = Coller(texte, &journal);
    Poste plancher;
    double t = 0, f = 0;
    for (auto _ : state) {
        const double a = Coller(texte).secondes;
        const double b = Plancher(plancher, journal);
        t += a;
        f += b;
        state.SetIterationTime(a);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["mots"] = CompterMots(texte);
    state.counters["ecrans"] = controle.ecrans;
    state.counters["entier"] = controle.entier;
    state.counters["appels_Dessin"] = static_cast<double>(journal.size());
    state.counters["mots/s"] = CompterMots(texte) * n / t;
    state.counters["texte_ms"] = 1000 * t / n;
    state.counters["plancher_ms"] = 1000 * f / n;
    state.counters["rapport"] = t / f;
}
BENCHMARK(BM_Retranscription20Ecrans)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
