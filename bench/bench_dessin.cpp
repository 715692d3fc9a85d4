// Dessin of a 20-command path at size 1 without relief, against the floor: the same lines drawn
// straight with one QPainter on the same kind of QImage.

#include "FenetreMuette.h"
#include "app/ContexteProgramme.h"
#include "drawing/Dessin.h"

#include <QGuiApplication>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

const QString kChemin = QStringLiteral("R4U6E2R3F2D6L2H1U3L3D3G1L2R9U9L9D9E4G4R2");  // 20 commands

// The segments the path draws, relative to its starting point.
std::vector<QLine> Segments() {
    std::vector<QLine> s;
    int x = 0, y = 0;
    for (qsizetype k = 0; k + 1 < kChemin.size(); k += 2) {
        const int n = kChemin[k + 1].unicode() - '0';
        int nx = x, ny = y;
        switch (kChemin[k].unicode()) {
        case 'R': nx += n; break;
        case 'L': nx -= n; break;
        case 'U': ny -= n; break;
        case 'D': ny += n; break;
        case 'E': nx += n; ny -= n; break;
        case 'F': nx += n; ny += n; break;
        case 'G': nx -= n; ny += n; break;
        case 'H': nx -= n; ny -= n; break;
        }
        s.emplace_back(x, y, nx, ny);
        x = nx;
        y = ny;
    }
    return s;
}

// Argument 1: the surface keeps its list of drawn figures (as the program does); 0: pixels only.
void BM_Dessin(benchmark::State& state) {
    Surface surface(1600, 1200);
    surface.Traces().FixerActive(state.range(0) != 0);
    FenetreMuette fenetre;
    HorlogeMuette horloge;
    auto ctx = std::make_unique<ContexteProgramme>(surface, fenetre, horloge, QString());
    ctx->etat.Relief = false;
    ctx->etat.MargeGauche = 15;
    int i = 0;
    for (auto _ : state) {
        double x = 30 + (i % 100) * 15, y = 40 + (i / 100 % 60) * 19;
        Dessin(*ctx, kChemin, x, y, 1, 0, QString());
        if (++i % 6000 == 0) {  // the sheet is full: a new one, as the program starts a new screen
            state.PauseTiming();
            surface.Effacer();
            state.ResumeTiming();
        }
    }
    state.counters["traces"] = static_cast<double>(surface.Traces().Taille());
}
BENCHMARK(BM_Dessin)->Arg(1)->Arg(0);

void BM_PlancherQPainter(benchmark::State& state) {
    QImage image(1600, 1200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(QPen(Qt::black, 0));
    const auto segments = Segments();
    int i = 0;
    for (auto _ : state) {
        const QPoint o(30 + (i % 100) * 15, 40 + (i / 100 % 60) * 19);
        for (const QLine& l : segments) p.drawLine(l.translated(o));
        ++i;
    }
}
BENCHMARK(BM_PlancherQPainter);

}  // namespace
