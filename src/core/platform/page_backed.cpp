#include "platform/page_backed.h"

#include <cstdlib>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace pw {

namespace {

bool Large(std::size_t bytes) {
#ifdef __linux__
    return bytes >= kPageBackedFrom;
#else
    (void)bytes;
    return false;
#endif
}

std::size_t InHugePages(std::size_t bytes) {
    return (bytes + kHugePageBytes - 1) / kHugePageBytes * kHugePageBytes;
}

} // namespace

void* AllocatePageBacked(std::size_t bytes) {
    if (!Large(bytes)) return ::operator new(bytes);
    const std::size_t whole = InHugePages(bytes);
    if (whole < bytes) throw std::bad_alloc();
    void* p = std::aligned_alloc(kHugePageBytes, whole);
    if (!p) throw std::bad_alloc();
#ifdef __linux__
    // Only advice: where the system has no huge page to spare, the pages are the usual ones.
    madvise(p, whole, MADV_HUGEPAGE);
#endif
    return p;
}

void FreePageBacked(void* p, std::size_t bytes) noexcept {
    if (!p) return;
    if (Large(bytes))
        std::free(p);
    else
        ::operator delete(p);
}

} // namespace pw
