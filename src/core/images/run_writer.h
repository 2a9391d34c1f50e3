#pragma once
// Appends image run data: codes, run lengths and row ends.

#include "images/image.h"

#include <cstdint>
#include <vector>

namespace pw {

class RunWriter {
public:
    explicit RunWriter(std::vector<std::uint8_t>& data) : data_(data) {}

    void Byte(std::uint8_t b) { data_.push_back(b); }
    // One 254 for every whole 254 of the length, then the remainder: 254 is 254, 0.
    void Length(std::uint32_t run) {
        for (; run >= kLengthContinues; run -= kLengthContinues) Byte(kLengthContinues);
        Byte(static_cast<std::uint8_t>(run));
    }
    void RowEnd() { Byte(kRowEnd); }

private:
    std::vector<std::uint8_t>& data_;
};

} // namespace pw
