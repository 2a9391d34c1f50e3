#include "images/convert_picture.h"

#include "display/colour.h"
#include "images/colour_code_rows.h"
#include "images/image_info.h"
#include "images/picture_size.h"
#include "platform/errors.h"

namespace pw {

std::uint32_t ConvertPicture(ImageBank& images, cImage& image, const DecodedPicture& picture) {
    image.Data.clear();
    const auto width = static_cast<std::size_t>(picture.Width);
    if (picture.Width < 1 || picture.Height < 1 || !FitsConversion(picture.Width, picture.Height) ||
        picture.Pixels.size() != 3 * width * static_cast<std::size_t>(picture.Height))
        throw FormatError("The picture " + image.FileName + " was not decoded as a picture of " +
                          std::to_string(picture.Width) + " x " + std::to_string(picture.Height) +
                          " pixels.");
    image.Width = picture.Width;
    image.Height = picture.Height;
    image.Bits = 8;
    image.Transparent = kTransparent;
    image.Dithered = images.Dither;
    ShowImageInfo(images, &image);
    image.Data.reserve(2 * static_cast<std::size_t>(picture.Height));
    EncodeColourCodes(images, image,
                      {picture.Pixels.data(), static_cast<std::ptrdiff_t>(3 * width), picture.Width,
                       picture.Height});
    return 20 + image.DataLength();
}

} // namespace pw
