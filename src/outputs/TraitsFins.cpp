#include "outputs/TraitsFins.h"

#include "base/BalayageLigne.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

bool Avant(const QPoint& a, const QPoint& b) { return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x(); }

// Along the longer axis `u` (the other is `v`), ends in 1/64: one pixel per step whose centre lies
// within the segment lengthened by half a pixel at each end (the square caps), `v` carried on a
// 16.16 slope cut towards zero, taken at the step's centre when it grows and at the step's start
// when it falls, then rounded down.
template <typename Poser>
void Marcher(long long u1, long long v1, long long u2, long long v2, Poser poser) {
    if (u1 > u2) {
        std::swap(u1, u2);
        std::swap(v1, v2);
    }
    const long long pente = (v2 - v1) * 65536 / (u2 - u1);
    long long v = v1 * 1024 - (pente >> 1);
    u1 -= 32;
    u2 += 32;
    long long u = (u1 + 32) >> 6;
    const long long fin = (u2 + 32) >> 6;
    if (u == fin) return;
    v += ((u * 64 + (pente > 0 ? 32 : 0) - u1) * pente) >> 6;
    for (; u < fin; ++u, v += pente) poser(u, v >> 16);
}

}  // namespace

std::vector<QPoint> PixelsPeintre(long long x1, long long y1, long long x2, long long y2) {
    std::vector<QPoint> r;
    const long long dx = std::llabs(x2 - x1), dy = std::llabs(y2 - y1);
    if (dx < dy)
        Marcher(y1, x1, y2, x2, [&](long long y, long long x) { r.emplace_back(int(x), int(y)); });
    else if (dx > 0)
        Marcher(x1, y1, x2, y2, [&](long long x, long long y) { r.emplace_back(int(x), int(y)); });
    std::sort(r.begin(), r.end(), Avant);
    return r;
}

namespace {

// The segment from the centre of pixel `p` to that of `q`, its ends moved across its run by the
// least number of 1/64 pixels (none, both together, then each on its own) that makes the painter
// set exactly `voulus` (sorted); false when no move within reach does.
bool Ajuster(QPoint p, QPoint q, const std::vector<QPoint>& voulus, QLineF& segment) {
    const long long a = 64LL * p.x() + 32, b = 64LL * p.y() + 32, c = 64LL * q.x() + 32, d = 64LL * q.y() + 32;
    const bool travers = std::abs(q.x() - p.x()) < std::abs(q.y() - p.y());  // steps along y: moves go along x
    const auto juste = [&](int e1, int e2) {
        if ((travers ? PixelsPeintre(a + e1, b, c + e2, d) : PixelsPeintre(a, b + e1, c, d + e2)) != voulus) return false;
        segment = travers ? QLineF((a + e1) / 64.0, b / 64.0, (c + e2) / 64.0, d / 64.0)
                          : QLineF(a / 64.0, (b + e1) / 64.0, c / 64.0, (d + e2) / 64.0);
        return true;
    };
    for (int k = 0; k <= 64; ++k)
        for (int e : {k, -k})
            if (juste(e, e)) return true;
    for (int k = 1; k <= 24; ++k)
        for (int e1 = -k; e1 <= k; ++e1)
            for (int e2 : {k - std::abs(e1), std::abs(e1) - k})
                if (juste(e1, e2)) return true;
    return false;
}

// Pixels i to j of the walk as few segments as it takes: one if a move allows it, else the two
// halves, which share their middle pixel so the stroke stays unbroken.
void Couvrir(const std::vector<QPoint>& ordre, size_t i, size_t j, std::vector<QLineF>& sortie) {
    if (i == j) {
        sortie.emplace_back(ordre[i] + QPointF(0.5, 0.5), ordre[i] + QPointF(0.5, 0.5));
        return;
    }
    std::vector<QPoint> voulus(ordre.begin() + static_cast<std::ptrdiff_t>(i), ordre.begin() + static_cast<std::ptrdiff_t>(j) + 1);
    std::sort(voulus.begin(), voulus.end(), Avant);
    QLineF segment;
    if (Ajuster(ordre[i], ordre[j], voulus, segment)) {
        sortie.push_back(segment);
        return;
    }
    const size_t m = (i + j) / 2;
    Couvrir(ordre, i, m, sortie);
    Couvrir(ordre, m == i ? m + 1 : m, j, sortie);
}

}  // namespace

std::vector<QLineF> SegmentsTraitFin(int x1, int y1, int x2, int y2, QSize taille) {
    const QRect image(QPoint(0, 0), taille);
    if (!image.contains(x1, y1) || !image.contains(x2, y2)) return {QLineF(x1, y1, x2, y2)};
    std::vector<QPoint> ordre;
    BalayerLigne(x1, y1, x2, y2, [&](int x, int y) { ordre.emplace_back(x, y); });
    std::vector<QLineF> sortie;
    Couvrir(ordre, 0, ordre.size() - 1, sortie);
    return sortie;
}
