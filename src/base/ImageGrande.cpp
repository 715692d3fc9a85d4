#include "base/ImageGrande.h"

#include <cstdlib>
#include <limits>
#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace {

constexpr size_t kGrandePage = size_t{2} << 20;

void Liberer(void* donnees) { std::free(donnees); }

}  // namespace

QImage NouvelleImage(int largeur, int hauteur) {
    largeur = qMax(1, largeur);
    hauteur = qMax(1, hauteur);
#if defined(__linux__)
    const size_t ligne = static_cast<size_t>(largeur) * 4;
    const size_t octets = ligne * static_cast<size_t>(hauteur);
    if (octets >= kGrandePage && ligne <= static_cast<size_t>(std::numeric_limits<int>::max())) {
        const size_t arrondi = (octets + kGrandePage - 1) / kGrandePage * kGrandePage;
        if (void* p = std::aligned_alloc(kGrandePage, arrondi)) {
            madvise(p, arrondi, MADV_HUGEPAGE);
            QImage image(static_cast<uchar*>(p), largeur, hauteur, static_cast<qsizetype>(ligne),
                         QImage::Format_RGB32, Liberer, p);
            if (!image.isNull()) return image;
            std::free(p);
        }
    }
#endif
    return QImage(largeur, hauteur, QImage::Format_RGB32);
}
