#pragma once
// A window's indexed entries (its texts, its bitmap names, the file lines they were read
// from), 0..kIndexCount-1. Most windows use few of their entries, and a large layout holds
// thousands of windows: only the entries up to the last one ever written are held, and every
// entry beyond them reads as the empty value.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace pw {

constexpr int kIndexCount = 100; // Text and BMP entries 0..99

// Makes room for count entries. Entries are mostly written in order: room for more than one
// at a time, never for more than a window has.
template <typename T> void ReserveEntries(std::vector<T>& entries, std::size_t count) {
    if (count > entries.capacity())
        entries.reserve(
            std::min<std::size_t>(std::max(count, 2 * entries.capacity()), kIndexCount));
}

template <typename T> class IndexedEntries {
public:
    // Entry i (0 <= i < kIndexCount); empty where nothing was written.
    const T& operator[](std::size_t i) const { return i < held_.size() ? held_[i] : Empty(); }
    // Entry i to be written; the entries before it are held from now on.
    T& operator[](std::size_t i) {
        if (i >= held_.size()) Hold(i + 1);
        return held_[i];
    }

    // The entries held, from 0: every entry after them is empty.
    const T* begin() const { return held_.data(); }
    const T* end() const { return held_.data() + held_.size(); }
    const T* data() const { return held_.data(); }
    std::size_t size() const { return held_.size(); }

    // The same entries, however many of them each holds.
    friend bool operator==(const IndexedEntries& a, const IndexedEntries& b) {
        const IndexedEntries& longer = a.size() > b.size() ? a : b;
        const std::size_t common = std::min(a.size(), b.size());
        return std::equal(a.begin(), a.begin() + common, b.begin()) &&
               std::all_of(longer.begin() + common, longer.end(),
                           [](const T& entry) { return entry == Empty(); });
    }

private:
    static const T& Empty() {
        static const T empty{};
        return empty;
    }
    void Hold(std::size_t count) {
        ReserveEntries(held_, count);
        held_.resize(count);
    }

    std::vector<T> held_;
};

using IndexedStrings = IndexedEntries<std::string>;

} // namespace pw
