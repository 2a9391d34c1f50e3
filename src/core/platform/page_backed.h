#pragma once
// Memory for a buffer of a screen's size. Fresh memory costs the system a page fault for
// every 4 KB the first time it is touched, and an 800 x 600 canvas has 469 of them, which on
// some machines takes longer than drawing a layout on it. A buffer this large is therefore
// asked for in whole huge pages where the system offers them, so that it is mapped in a few
// faults; a small one comes from the usual heap.

#include <cstddef>
#include <new>

namespace pw {

// The size of a huge page, and the size from which a buffer is given them.
constexpr std::size_t kHugePageBytes = std::size_t{2} << 20;
constexpr std::size_t kPageBackedFrom = std::size_t{1} << 20;

void* AllocatePageBacked(std::size_t bytes);
// For a large buffer not touched yet that another allocator gave: asks for huge pages for the
// whole ones inside it.
void AdviseHugePages(void* p, std::size_t bytes) noexcept;
void FreePageBacked(void* p, std::size_t bytes) noexcept;

// Makes room at once for more elements after those a string or vector holds, in huge pages
// where the room is large: for a file's or a picture's bytes, filled once and never regrown.
template <class Buffer> void ReserveInHugePages(Buffer& buffer, std::size_t more) {
    buffer.reserve(buffer.size() + more);
    AdviseHugePages(buffer.data() + buffer.size(),
                    (buffer.capacity() - buffer.size()) * sizeof(*buffer.data()));
}

template <class T> struct PageBackedAllocator {
    using value_type = T;
    PageBackedAllocator() = default;
    template <class U> PageBackedAllocator(const PageBackedAllocator<U>&) noexcept {}

    T* allocate(std::size_t n) {
        if (n > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_array_new_length();
        return static_cast<T*>(AllocatePageBacked(n * sizeof(T)));
    }
    void deallocate(T* p, std::size_t n) noexcept { FreePageBacked(p, n * sizeof(T)); }

    template <class U>
    friend bool operator==(const PageBackedAllocator&, const PageBackedAllocator<U>&) noexcept {
        return true;
    }
};

} // namespace pw
