#pragma once
// The editor's images and what reading a new one involves: the store that shares them by
// file name, the Dither switch with its running error, whom to ask (the reader's message
// boxes), whom to tell (the Image dialog's information line), where reading shows its
// progress and what decodes the pictures that are not bitmaps the reader converts itself.

#include "images/image_store.h"
#include "platform/editor_observer.h"
#include "platform/host.h"
#include "platform/picture_decoder.h"
#include "platform/progress.h"

#include <array>
#include <cstdint>

namespace pw {

class ImageBank {
public:
    ImageBank(Host& host, const Observers& observers) : host(host), observers(observers) {}
    ImageBank(const ImageBank&) = delete;
    ImageBank& operator=(const ImageBank&) = delete;

    Host& host;
    const Observers& observers;
    // Where bitmap reading shows itself: the Image dialog in the editor.
    Progress* progress = &NoProgress();
    // PNG, JPEG, GIF and the bitmaps of other kinds: Qt's image readers in the editor and the
    // command line tool.
    PictureDecoder* decoder = &NoPictureDecoder();

    ImageStore ImageList;
    // The Image dialog's Dither box, the one switch of dithering in the program.
    bool Dither = false;
    // Running error of dithered colour reduction, red, green, blue.
    std::array<std::int32_t, 3> DitherError{};
};

} // namespace pw
