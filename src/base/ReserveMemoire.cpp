#include "base/ReserveMemoire.h"

#include "base/ImageGrande.h"

#include <array>
#include <bit>
#include <mutex>
#include <new>
#include <vector>
#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#define VELMOR_EMPOISONNER(p, n) ASAN_POISON_MEMORY_REGION(p, n)
#define VELMOR_DESEMPOISONNER(p, n) ASAN_UNPOISON_MEMORY_REGION(p, n)
#else
#define VELMOR_EMPOISONNER(p, n) ((void)(p), (void)(n))
#define VELMOR_DESEMPOISONNER(p, n) ((void)(p), (void)(n))
#endif

namespace {

constexpr size_t kPlusPetit = 64;
constexpr size_t kClasses = std::countr_zero(kReserveMax) - std::countr_zero(kPlusPetit) + 1;  // 64 B .. 32 KB

struct Reserve {
    std::mutex verrou;
    std::array<std::vector<void*>, kClasses> libres;  // blocks given back, by size
    char* suite = nullptr;                            // the rest of the last large block
    size_t reste = 0;
};

// Never destroyed: blocks may come back while the program ends.
Reserve& LaReserve() {
    static Reserve* r = new Reserve;
    return *r;
}

size_t Classe(size_t octets) {
    return static_cast<size_t>(std::countr_zero(std::bit_ceil(octets < kPlusPetit ? kPlusPetit : octets))) -
           static_cast<size_t>(std::countr_zero(kPlusPetit));
}

}  // namespace

void* PrendreMemoire(size_t octets) {
    if (octets > kReserveMax) throw std::bad_alloc();
    const size_t classe = Classe(octets), taille = kPlusPetit << classe;
    Reserve& r = LaReserve();
    void* bloc = nullptr;
    {
        const std::lock_guard l(r.verrou);
        auto& libres = r.libres[classe];
        if (!libres.empty()) {
            bloc = libres.back();
            libres.pop_back();
        } else {
            if (r.reste < taille) {
                // The rest of the large block goes to the smaller sizes it can hold.
                for (size_t c = classe; c-- > 0 && r.reste > 0;)
                    while (r.reste >= (kPlusPetit << c)) {
                        r.libres[c].push_back(r.suite);
                        r.suite += kPlusPetit << c;
                        r.reste -= kPlusPetit << c;
                    }
                void* grand = BlocGrandesPages(kGrandePage);
                if (!grand) throw std::bad_alloc();
                VELMOR_EMPOISONNER(grand, kGrandePage);
                r.suite = static_cast<char*>(grand);
                r.reste = kGrandePage;
            }
            bloc = r.suite;
            r.suite += taille;
            r.reste -= taille;
        }
    }
    VELMOR_DESEMPOISONNER(bloc, octets);
    return bloc;
}

void RendreMemoire(void* bloc, size_t octets) {
    if (!bloc) return;
    const size_t classe = Classe(octets);
    VELMOR_EMPOISONNER(bloc, kPlusPetit << classe);
    Reserve& r = LaReserve();
    const std::lock_guard l(r.verrou);
    r.libres[classe].push_back(bloc);
}
