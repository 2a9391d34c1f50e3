#include "windows/indexed_texts.h"

#include <algorithm>

namespace pw {

void IndexedTexts::Set(std::size_t i, std::string_view text) {
    if (i >= ends_.size()) {
        ReserveEntries(ends_, i + 1);
        ends_.resize(i + 1, static_cast<std::uint32_t>(chars_.size()));
    }
    const std::uint32_t start = i == 0 ? 0 : ends_[i - 1];
    const std::uint32_t length = ends_[i] - start;
    chars_.replace(start, length, text);
    const auto grown = static_cast<std::uint32_t>(text.size() - length); // modulo 2^32
    for (std::size_t k = i; k < ends_.size(); ++k) ends_[k] += grown;
}

void IndexedTexts::Compact() {
    chars_.shrink_to_fit();
}

bool operator==(const IndexedTexts& a, const IndexedTexts& b) {
    const IndexedTexts& longer = a.size() > b.size() ? a : b;
    const std::size_t common = std::min(a.size(), b.size());
    const std::uint32_t commonChars = common == 0 ? 0 : a.ends_[common - 1];
    if (common > 0 && commonChars != b.ends_[common - 1]) return false;
    return std::equal(a.ends_.begin(), a.ends_.begin() + static_cast<std::ptrdiff_t>(common),
                      b.ends_.begin()) &&
           std::string_view(a.chars_).substr(0, commonChars) ==
               std::string_view(b.chars_).substr(0, commonChars) &&
           longer.chars_.size() == commonChars;
}

} // namespace pw
