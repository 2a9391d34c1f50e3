#pragma once
// A window's texts, 0..kIndexCount-1, in one block of characters. A large layout holds
// hundreds of thousands of texts of a line or two: a string object and a heap block of its
// own for each would take more than the characters themselves. Only the texts up to the last
// one ever written are held, and every text beyond them reads as empty.

#include "windows/indexed_strings.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace pw {

class IndexedTexts {
public:
    // Text i (0 <= i < kIndexCount); empty where nothing was written. The view lasts until
    // the next change of any text. It is const so that assigning to it, which would change
    // nothing, does not compile: Set changes a text.
    const std::string_view operator[](std::size_t i) const {
        if (i >= ends_.size()) return {};
        const std::uint32_t start = i == 0 ? 0 : ends_[i - 1];
        return std::string_view(chars_).substr(start, ends_[i] - start);
    }
    // Text i becomes text; the texts before it are held from now on.
    void Set(std::size_t i, std::string_view text);
    // Gives back the room kept for texts to grow, once a window is read whole.
    void Compact();

    // The texts held, from 0: every text after them is empty.
    std::size_t size() const { return ends_.size(); }
    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::string_view;
        Iterator(const IndexedTexts& texts, std::size_t i) : texts_(&texts), i_(i) {}
        std::string_view operator*() const { return (*texts_)[i_]; }
        Iterator& operator++() {
            ++i_;
            return *this;
        }
        bool operator==(const Iterator& other) const { return i_ == other.i_; }

    private:
        const IndexedTexts* texts_;
        std::size_t i_;
    };
    Iterator begin() const { return {*this, 0}; }
    Iterator end() const { return {*this, size()}; }
    // What the texts take on the heap.
    std::size_t HeapBytes() const {
        return chars_.capacity() + ends_.capacity() * sizeof(std::uint32_t);
    }

    // The same texts, however many of them each holds.
    friend bool operator==(const IndexedTexts& a, const IndexedTexts& b);

private:
    std::string chars_;               // every text held, one after the other
    std::vector<std::uint32_t> ends_; // where each text held ends in chars_
};

} // namespace pw
