#include "config/window_text.h"

#include "config/dcf_file.h"
#include "config/dcf_reader.h"
#include "config/window_group.h"
#include "images/image_store.h"

namespace pw {

namespace {

bool Blank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string::npos;
}

// Takes down the images the window's BMP lines ask for; the window gives no display size.
class Recorder final : public WindowContext {
public:
    explicit Recorder(std::vector<ImageRequest>& images) : images_(images) {}

    void ImageRead(cWindow& w, int index, bool dither, int transparent) override {
        AddImageRequest(images_,
                        {0, index, dither, transparent, w.BMP[static_cast<std::size_t>(index)]});
    }
    const ImageStore& Images() const override { return none_; }
    void DisplaySizeRead(int, int) override {}

private:
    std::vector<ImageRequest>& images_;
    ImageStore none_;
};

} // namespace

std::optional<std::vector<ParsedWindow>> ParseWindowText(const std::string& text) {
    // The reader never interprets a text's last line, and a text editor may have dropped the
    // line end after the last group's end line.
    const std::string lines = text + "\r\n";
    DcfReader reader(lines);
    std::vector<ParsedWindow> windows;
    std::string_view line;
    while (reader.ReadLine(line)) {
        if (Blank(line)) continue;
        // Each window read takes memory; no more than a layout file may hold are taken in.
        if (!StartsWith(line, "[ WINDOW") || windows.size() == kMaxLayoutWindows)
            return std::nullopt;
        ParsedWindow& parsed = windows.emplace_back();
        Recorder recorder(parsed.images);
        parsed.window.SetContext(&recorder);
        ReadWindowGroup(parsed.window, reader);
        parsed.window.SetContext(nullptr);
        if (reader.EndedEarly()) return std::nullopt;
        std::erase_if(parsed.images, [&](const ImageRequest& request) {
            return !EndsWithImage(parsed.window, request);
        });
    }
    if (windows.empty()) return std::nullopt;
    return windows;
}

} // namespace pw
