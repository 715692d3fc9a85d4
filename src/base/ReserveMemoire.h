#pragma once
// Memory for the many blocks each screen needs (records of what was drawn, the screen store's
// tiles), carved from 2 MB blocks advised for large pages: a fresh process then faults in one large
// page where it would fault in hundreds of small ones, which costs several microseconds each on a
// virtual machine. Blocks of 64 bytes to 32 KB, by powers of two; a block given back, from any
// thread, is kept for the next one of its size. The memory is not returned to the system.

#include <cstddef>
#include <memory>

constexpr size_t kReserveMax = size_t{32} << 10;  // the largest block the reserve serves

// A block of at least `octets` (at most kReserveMax), and its return with the same size.
void* PrendreMemoire(size_t octets);
void RendreMemoire(void* bloc, size_t octets);

// A container allocator that takes its blocks there when they fit, from the usual heap otherwise.
template <class T>
struct AllocateurReserve {
    using value_type = T;
    AllocateurReserve() = default;
    template <class U>
    AllocateurReserve(const AllocateurReserve<U>&) {}
    T* allocate(size_t n) {
        return n * sizeof(T) <= kReserveMax ? static_cast<T*>(PrendreMemoire(n * sizeof(T))) : std::allocator<T>().allocate(n);
    }
    void deallocate(T* p, size_t n) {
        if (n * sizeof(T) <= kReserveMax)
            RendreMemoire(p, n * sizeof(T));
        else
            std::allocator<T>().deallocate(p, n);
    }
    template <class U>
    bool operator==(const AllocateurReserve<U>&) const { return true; }
};
