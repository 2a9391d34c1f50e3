#include "images/image_info.h"

namespace pw {

std::string ImageInfoLine(const cImage& image) {
    return "    Bytes = " + std::to_string(image.DataLength() + 20) +
           "    Width = " + std::to_string(image.Width) +
           "    Height = " + std::to_string(image.Height) +
           "    Colours = " + (image.Bits == 8 ? "256" : "2") +
           "    Transparent = " + std::to_string(image.Transparent);
}

void ShowImageInfo(ImageBank& images, const cImage* image) {
    if (!image) return;
    images.Dither = image->Dithered;
    images.observers.Notify(&EditorObserver::ImageInfoChanged, ImageInfoLine(*image),
                            image->FileName);
}

} // namespace pw
