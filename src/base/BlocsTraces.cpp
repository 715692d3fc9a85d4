#include "base/BlocsTraces.h"

#include <cstdlib>
#include <mutex>
#include <new>
#include <vector>
#if defined(__linux__)
#include <sys/mman.h>
#endif
#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#define VELMOR_EMPOISONNER(p, n) ASAN_POISON_MEMORY_REGION(p, n)
#define VELMOR_DESEMPOISONNER(p, n) ASAN_UNPOISON_MEMORY_REGION(p, n)
#else
#define VELMOR_EMPOISONNER(p, n) ((void)(p), (void)(n))
#define VELMOR_DESEMPOISONNER(p, n) ((void)(p), (void)(n))
#endif

namespace {

constexpr size_t kGrandBloc = size_t{2} << 20;

struct Reserve {
    std::mutex verrou;
    std::vector<void*> libres;
    char* suite = nullptr;  // the rest of the last large block
    size_t reste = 0;
};

// Never destroyed: blocks may come back while the program ends.
Reserve& LaReserve() {
    static Reserve* r = new Reserve;
    return *r;
}

}  // namespace

void* PrendreBlocTraces() {
    Reserve& r = LaReserve();
    void* bloc = nullptr;
    {
        const std::lock_guard l(r.verrou);
        if (!r.libres.empty()) {
            bloc = r.libres.back();
            r.libres.pop_back();
        } else {
            if (r.reste < kOctetsBlocTraces) {
                void* grand = std::aligned_alloc(kGrandBloc, kGrandBloc);
                if (!grand) throw std::bad_alloc();
#if defined(__linux__)
                madvise(grand, kGrandBloc, MADV_HUGEPAGE);
#endif
                VELMOR_EMPOISONNER(grand, kGrandBloc);
                r.suite = static_cast<char*>(grand);
                r.reste = kGrandBloc;
            }
            bloc = r.suite;
            r.suite += kOctetsBlocTraces;
            r.reste -= kOctetsBlocTraces;
        }
    }
    VELMOR_DESEMPOISONNER(bloc, kOctetsBlocTraces);
    return bloc;
}

void RendreBlocTraces(void* bloc) {
    if (!bloc) return;
    VELMOR_EMPOISONNER(bloc, kOctetsBlocTraces);
    Reserve& r = LaReserve();
    const std::lock_guard l(r.verrou);
    r.libres.push_back(bloc);
}
