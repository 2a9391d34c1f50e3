#include "platform/page_backed.h"

#ifdef __linux__
#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>
#endif

namespace pw {

#ifdef __linux__

void* AllocatePageBacked(std::size_t bytes) {
    if (bytes < kPageBackedFrom) return ::operator new(bytes);
    const std::size_t whole = (bytes + kHugePageBytes - 1) / kHugePageBytes * kHugePageBytes;
    if (whole < bytes) throw std::bad_alloc();
    void* p = std::aligned_alloc(kHugePageBytes, whole);
    if (!p) throw std::bad_alloc();
    // Only advice: where the system has no huge page to spare, the pages are the usual ones.
    madvise(p, whole, MADV_HUGEPAGE);
    return p;
}

void AdviseHugePages(void* p, std::size_t bytes) noexcept {
    if (bytes < kPageBackedFrom) return;
    const auto start = reinterpret_cast<std::uintptr_t>(p);
    const std::uintptr_t first = (start + kHugePageBytes - 1) / kHugePageBytes * kHugePageBytes;
    const std::uintptr_t end = (start + bytes) / kHugePageBytes * kHugePageBytes;
    if (end > first) madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
}

void FreePageBacked(void* p, std::size_t bytes) noexcept {
    if (bytes < kPageBackedFrom)
        ::operator delete(p);
    else
        std::free(p);
}

#else

// Elsewhere the usual heap serves every size.
void* AllocatePageBacked(std::size_t bytes) {
    return ::operator new(bytes);
}
void FreePageBacked(void* p, std::size_t) noexcept {
    ::operator delete(p);
}
void AdviseHugePages(void*, std::size_t) noexcept {}

#endif

} // namespace pw
