#pragma once
// Reading a layout as Load does, on bytes in memory: parsed whole first, then put in place,
// the windows reaching an image store of their own and the display size going to the layout
// itself. The one place the harnesses call the layout reader.

#include "images/image_bank.h"
#include "platform/host.h"
#include "windows/layout.h"

#include <string>
#include <string_view>

namespace pw::fuzz {

// Answers nothing and shows nothing: a harness has no user.
class QuietHost final : public Host {
public:
    void ShowMessage(const std::string&, const std::string&) override {}
    Answer Ask(const std::string&, Buttons) override { return Answer::Cancel; }
    std::optional<std::string> ChooseOpenFile(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> ChooseSaveFile(const FileDialogRequest&) override { return {}; }
};

class LayoutReading final : public WindowContext {
public:
    LayoutReading() = default;
    LayoutReading(const LayoutReading&) = delete;
    LayoutReading& operator=(const LayoutReading&) = delete;

    QuietHost host;
    Observers observers;
    ImageBank images{host, observers};
    Layout layout{this};

    void ImageRead(cWindow& w, int index, bool dither, int transparent) override;
    const ImageStore& Images() const override { return images.ImageList; }
    void DisplaySizeRead(int width, int height) override;
};

// Reads the bytes into reading.layout as Load does; false when Load refuses them. With a piece
// size they reach the reader that many at a time, as a file's do.
bool ReadLayout(LayoutReading& reading, std::string_view bytes, std::size_t piece = 0);

// Whether a window that reads writes and reads back as the same window: every field the file
// stores, with the BMP entries the writer keeps (those whose image is in the store).
bool SameWindowAsWritten(const cWindow& a, const ImageStore& aImages, const cWindow& b,
                         const ImageStore& bImages);

} // namespace pw::fuzz
