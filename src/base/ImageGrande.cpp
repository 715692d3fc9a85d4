#include "base/ImageGrande.h"

#include <cstdlib>
#include <limits>
#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace {

void Liberer(void* donnees) { std::free(donnees); }

}  // namespace

void* BlocGrandesPages(size_t octets) {
    const size_t arrondi = (octets + kGrandePage - 1) / kGrandePage * kGrandePage;
    void* p = std::aligned_alloc(kGrandePage, arrondi);
#if defined(__linux__)
    if (p) madvise(p, arrondi, MADV_HUGEPAGE);
#endif
    return p;
}

QImage NouvelleImage(int largeur, int hauteur) {
    largeur = qMax(1, largeur);
    hauteur = qMax(1, hauteur);
#if defined(__linux__)
    const size_t ligne = static_cast<size_t>(largeur) * 4;
    const size_t octets = ligne * static_cast<size_t>(hauteur);
    if (octets >= kGrandePage && ligne <= static_cast<size_t>(std::numeric_limits<int>::max())) {
        if (void* p = BlocGrandesPages(octets)) {
            QImage image(static_cast<uchar*>(p), largeur, hauteur, static_cast<qsizetype>(ligne),
                         QImage::Format_RGB32, Liberer, p);
            if (!image.isNull()) return image;
            std::free(p);
        }
    }
#endif
    return QImage(largeur, hauteur, QImage::Format_RGB32);
}
