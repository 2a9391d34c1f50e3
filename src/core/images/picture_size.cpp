#include "images/picture_size.h"

namespace pw {

std::string PictureTooLarge(const std::string& name, std::int64_t width, std::int64_t height) {
    return "The picture " + name + " is " + std::to_string(width) + " x " + std::to_string(height) +
           " pixels; at most " + std::to_string(kMaxConvertedSide) +
           " pixels a side can be converted.";
}

} // namespace pw
