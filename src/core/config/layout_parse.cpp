#include "config/layout_parse.h"

#include "config/dcf_file.h"
#include "images/image_store.h"
#include "platform/files.h"

namespace pw {

namespace {

// Takes down what the windows being read ask of the editor, to be done once all of them
// have been read.
class Recorder final : public WindowContext {
public:
    explicit Recorder(ParsedLayout& parsed) : parsed_(parsed) {}

    void ImageRead(cWindow& w, int index, bool dither, int transparent) override {
        // The window being read is the last one of the list.
        AddImageRequest(parsed_.images, {parsed_.layout.WindowList.size() - 1, index, dither,
                                         transparent, w.BMP[static_cast<std::size_t>(index)]});
    }
    const ImageStore& Images() const override { return none_; }
    void DisplaySizeRead(int width, int height) override {
        parsed_.displayWidth = width;
        parsed_.displayHeight = height;
    }

private:
    ParsedLayout& parsed_;
    ImageStore none_;
};

} // namespace

ParsedLayout ParseLayout(const std::string& bytes, const Layout& open, Host& host) {
    DcfReader reader(bytes);
    return ParseLayout(reader, open, host);
}

ParsedLayout ParseLayoutFile(const std::string& path, const Layout& open, Host& host) {
    // Pieces large enough to be read in few calls, small beside the layout they make.
    constexpr std::size_t kPiece = 256u << 10;
    FileInput input(path, kMaxLayoutFileBytes);
    DcfReader reader([&](std::string& bytes) { return input.ReadMore(bytes, kPiece); });
    return ParseLayout(reader, open, host);
}

ParsedLayout ParseLayout(DcfReader& reader, const Layout& open, Host& host) {
    ParsedLayout parsed;
    Recorder recorder(parsed);
    parsed.layout.context = &recorder;
    parsed.layout.InputSpec = open.InputSpec;
    parsed.layout.NextWindowNumber = open.NextWindowNumber;
    ReadGroups(parsed.layout, reader, host);
    parsed.endedEarly = reader.EndedEarly();
    std::erase_if(parsed.images, [&](const ImageRequest& request) {
        return !EndsWithImage(*parsed.layout.WindowList[request.window], request);
    });
    parsed.layout.context = nullptr;
    for (const auto& w : parsed.layout.WindowList) w->SetContext(nullptr);
    return parsed;
}

} // namespace pw
