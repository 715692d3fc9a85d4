#pragma once
// Blocks of 32 KB for the records of what was drawn (ListeTraces), carved from 2 MB blocks advised
// for large pages: a screen's records then fault in one or two large pages instead of hundreds of
// small ones. A block given back is kept for the next one asked, from any thread; the memory is not
// returned to the system.

#include <cstddef>
#include <memory>

constexpr size_t kOctetsBlocTraces = size_t{32} << 10;

void* PrendreBlocTraces();
void RendreBlocTraces(void* bloc);

// A container allocator that takes its blocks there when they fit, from the usual heap otherwise.
template <class T>
struct AllocateurTraces {
    using value_type = T;
    AllocateurTraces() = default;
    template <class U>
    AllocateurTraces(const AllocateurTraces<U>&) {}
    T* allocate(size_t n) {
        return n * sizeof(T) <= kOctetsBlocTraces ? static_cast<T*>(PrendreBlocTraces()) : std::allocator<T>().allocate(n);
    }
    void deallocate(T* p, size_t n) {
        if (n * sizeof(T) <= kOctetsBlocTraces)
            RendreBlocTraces(p);
        else
            std::allocator<T>().deallocate(p, n);
    }
    template <class U>
    bool operator==(const AllocateurTraces<U>&) const { return true; }
};
