#include "base/SuiviEncre.h"

#include <algorithm>
#include <atomic>
#include <cmath>

SuiviEncre::SuiviEncre(int hauteur) {
    static std::atomic<std::uint64_t> surfaces{0};
    identite_ = ++surfaces;
    Tout(hauteur);
    Vierge(0);
}

void SuiviEncre::Tout(int hauteur) {
    ++version_;
    bandes_.assign(static_cast<size_t>((hauteur + HauteurBande - 1) / HauteurBande), version_);
    droites_.assign(static_cast<size_t>(hauteur), std::numeric_limits<int>::max());
}

void SuiviEncre::Vierge(int depuis) {
    std::fill(droites_.begin() + std::clamp(depuis, 0, Hauteur()), droites_.end(), -1);
}

void SuiviEncre::Redimensionner(int hauteur) {
    std::vector<int> droites = std::move(droites_);
    const int gardees = std::min(hauteur, static_cast<int>(droites.size()));
    Tout(hauteur);
    std::copy_n(droites.begin(), gardees, droites_.begin());
    Vierge(gardees);
}

void SuiviEncre::Rangees(int y1, int y2, int droite) {
    if (y1 > y2) std::swap(y1, y2);
    const int n = static_cast<int>(bandes_.size());
    const int a = std::max(0, y1 / HauteurBande), b = std::min(n - 1, y2 < 0 ? -1 : y2 / HauteurBande);
    if (a > b) return;
    ++version_;
    for (int i = a; i <= b; ++i) bandes_[static_cast<size_t>(i)] = version_;
    if (droite >= 0)
        for (int y = std::max(0, y1), fin = std::min(Hauteur() - 1, y2); y <= fin; ++y)
            droites_[static_cast<size_t>(y)] = std::max(droites_[static_cast<size_t>(y)], droite);
}

void SuiviEncre::Trait(int a, int b, int c, int d, int h) {
    if (b > d) std::swap(a, c), std::swap(b, d);
    Rangees(b - h, d + h, -1);
    for (int y = std::max(0, b - h), fin = std::min(Hauteur() - 1, d + h); y <= fin; ++y) {
        int x = std::max(a, c);
        if (b != d) {
            // Along the rows y - h to y + h the segment's column is linear: largest at one end.
            const auto colonne = [&](int yy) { return a + static_cast<double>(c - a) * (yy - b) / (d - b); };
            x = static_cast<int>(std::ceil(std::max(colonne(std::max(b, y - h)), colonne(std::min(d, y + h)))));
        }
        droites_[static_cast<size_t>(y)] = std::max(droites_[static_cast<size_t>(y)], x + h);
    }
}

void SuiviEncre::Disque(int cx, int cy, int r, int h) {
    const int R = r + h;
    Rangees(cy - R, cy + R, -1);
    for (int y = std::max(0, cy - R), fin = std::min(Hauteur() - 1, cy + R); y <= fin; ++y) {
        const double dy = y - cy;
        const int x = cx + static_cast<int>(std::ceil(std::sqrt(std::max(0.0, double(R) * R - dy * dy)))) + 1;
        droites_[static_cast<size_t>(y)] = std::max(droites_[static_cast<size_t>(y)], x);
    }
}

int SuiviEncre::Droite(int haut, int bas) const {
    int d = -1;
    for (int y = std::max(0, haut), fin = std::min(Hauteur() - 1, bas); y <= fin; ++y) d = std::max(d, droites_[static_cast<size_t>(y)]);
    return d;
}
