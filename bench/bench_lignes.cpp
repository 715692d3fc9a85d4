// The end-of-line measure: FinDeLigne followed by EspaceMot at the end of a written line at size 1,
// against the floor: the same pixels read straight from the QImage's scan lines (pixel (0, 0), the
// four probe rows, then the full band, column after column from PosX + 30 leftwards).

#include "FenetreMuette.h"
#include "TexteAleatoire.h"
#include "app/ContexteProgramme.h"
#include "drawing/Scanners.h"
#include "layout/Lignes.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

struct Page {
    Surface surface{1600, 1200};
    FenetreMuette fenetre;
    HorlogeMuette horloge;
    ContexteProgramme ctx{surface, fenetre, horloge, QString()};
    std::vector<std::pair<double, double>> fins;  // (PosX after the last word, YLigne) per line

    Page() {
        EtatProgramme& e = ctx.etat;
        GeometrieTaille1(e);
        e.MargeSonde = 3;
        TexteAleatoire texte;
        for (int ligne = 1; ligne <= 30; ++ligne) {
            e.YLigne = e.PosY = 38.0 * ligne;
            e.PosX = e.MargeGauche;
            const double fin = 400 + 35 * ligne;  // lines of different lengths
            while (e.PosX < fin) {
                texte.Mot(ctx);
                EspaceMot(ctx);
            }
            fins.emplace_back(e.PosX, e.YLigne);
        }
    }
};

Page& P() {
    static Page p;
    return p;
}

void BM_FinDeLigneEspaceMot(benchmark::State& state) {
    Page& p = P();
    EtatProgramme& e = p.ctx.etat;
    size_t i = 0;
    for (auto _ : state) {
        const auto& [x, y] = p.fins[i++ % p.fins.size()];
        e.PosX = x;
        e.YLigne = e.PosY = y;
        FinDeLigne(p.ctx);
        EspaceMot(p.ctx);
        benchmark::DoNotOptimize(e.PosX);
    }
}
BENCHMARK(BM_FinDeLigneEspaceMot);

int Round(double v) { return static_cast<int>(std::floor(v + 0.5)); }

// The floor: the same reads, written straight against the picture.
void BM_PlancherLignesBrutes(benchmark::State& state) {
    Page& p = P();
    const QImage& image = p.surface.Vue();
    const int largeur = image.width();
    size_t i = 0;
    for (auto _ : state) {
        const auto& [x, y] = p.fins[i++ % p.fins.size()];
        // End of the line on the four probe rows.
        QRgb fond = reinterpret_cast<const QRgb*>(image.constScanLine(0))[0];
        const int x0 = std::min(Round(x + 30), largeur - 1);
        const QRgb* sondes[4] = {reinterpret_cast<const QRgb*>(image.constScanLine(Round(y - 12 + 3))),
                                 reinterpret_cast<const QRgb*>(image.constScanLine(Round(y - 6))),
                                 reinterpret_cast<const QRgb*>(image.constScanLine(Round(y - 6 + 3))),
                                 reinterpret_cast<const QRgb*>(image.constScanLine(Round(y - 3)))};
        int fin = -1;
        for (int c = x0; c >= 0 && fin < 0; --c)
            for (const QRgb* s : sondes)
                if (s[c] != fond) {
                    fin = c;
                    break;
                }
        // The word space: the full band from the same column.
        fond = reinterpret_cast<const QRgb*>(image.constScanLine(0))[0];
        const int haut = Round(y - 12 - 6), bas = Round(y + 6);
        const QRgb* bande[32];
        int n = 0;
        for (int r = haut; r <= bas; ++r) bande[n++] = reinterpret_cast<const QRgb*>(image.constScanLine(r));
        int fin2 = -1;
        for (int c = x0; c >= 0 && fin2 < 0; --c)
            for (int k = 0; k < n; ++k)
                if (bande[k][c] != fond) {
                    fin2 = c;
                    break;
                }
        benchmark::DoNotOptimize(fin);
        benchmark::DoNotOptimize(fin2);
    }
}
BENCHMARK(BM_PlancherLignesBrutes);

}  // namespace
