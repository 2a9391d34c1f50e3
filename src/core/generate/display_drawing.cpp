#include "generate/display_drawing.h"

#include "config/dcf_file.h"
#include "display/colour.h"
#include "generate/font_uses.h"
#include "generate/target_folder.h"
#include "images/bm_file.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/name_chars.h"
#include "windows/renderer.h"
#include "windows/clock_text.h"
#include "windows/view.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace pw {

namespace {

constexpr std::size_t kMaxDisplayFileBytes = 256u << 20;

// Drawing asks nothing and tells nothing.
class Silent final : public Host {
public:
    void ShowMessage(const std::string&, const std::string&) override {}
    Answer Ask(const std::string&, Buttons) override { return Answer::No; }
    std::optional<std::string> ChooseOpenFile(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> ChooseSaveFile(const FileDialogRequest&) override { return {}; }
};

FontDesc FontOf(const cWindow& w) {
    return {w.FontName, std::clamp(w.FontSize, 1, kMaxFontHeight), w.FontStyle};
}

} // namespace

RasterCanvas DrawDisplay(const Layout& layout, const ImageStore& images, TextEngine& engine,
                         const CalendarNames& names, const DrawingOptions& options) {
    // A view of its own: drawing the layout changes nothing but this view's pixels.
    Silent host;
    Observers observers;
    ImageBank bank(host, observers);
    Random random;
    View view(engine, bank, random, observers);
    bank.ImageList.Replace(images.Images());
    Layout shown = layout;
    if (const cWindow* background = Background(shown))
        view.canvas.Resize(std::clamp(background->X1 + 1, 1, kMaxDisplaySide),
                           std::clamp(background->Y1 + 1, 1, kMaxDisplaySide), kButtonFace);
    view.ViewMode = options.clock ? vmDynamic : vmStatic;
    for (auto& w : shown.WindowList) {
        if (options.index && w->Type != wtBackground && *options.index >= 0 &&
            *options.index < kIndexCount)
            w->CurIndex = *options.index;
        // The clock shows a time of its own only where the view is live.
        if (options.clock && w->Type == wtTimeDate) {
            w->Text[0] = FormatClock(*options.clock, w->Parameter, names);
            w->CurIndex = 0;
        }
    }
    // As the editor draws everything: with the Background object selected, transparency
    // stands for its colour.
    if (shown.CurWindow && shown.CurWindow == Background(shown))
        shown.BackgroundColour = shown.CurWindow->BG0;
    RedrawAll(view, shown);
    // The images stay with their owner.
    bank.ImageList.Replace({});
    return std::move(view.canvas);
}

DisplayFolder ReadDisplayFolder(const std::string& folder) {
    DisplayFolder out;
    const std::string config = folder + kDisplayConfigName;
    if (!FileExists(config))
        throw IoError("The folder " + folder + " holds no " + kDisplayConfigName + ".");
    const std::string bytes = ReadFileBytes(config, kMaxLayoutFileBytes);
    DcfReader reader(bytes);
    Silent host;
    ReadGroups(out.layout, reader, host);
    if (out.layout.WindowList.empty())
        throw FormatError("The file " + config + " holds no windows; it is not a layout file.");

    for (const auto& w : out.layout.WindowList) {
        if (w->DrawType == dtText && !w->FntFile.empty() && !w->FontName.empty() &&
            !out.fonts.Has(FontOf(*w))) {
            if (!IsPlainFileName(w->FntFile))
                throw FormatError("\"" + w->FntFile + "\" cannot name a font file.");
            const std::string path = folder + w->FntFile;
            if (!FileExists(path))
                throw IoError("The layout names the font file " + w->FntFile + ", which " + folder +
                              " does not hold.");
            out.fonts.Add(FontOf(*w),
                          ParseFontFile(ReadFileBytes(path, kMaxDisplayFileBytes), w->FntFile));
        }
        for (const std::string& name : w->BMP) {
            if (name.empty() || out.images.FindImage(name)) continue;
            const std::string path = folder + BitmapFileName(name);
            if (!FileExists(path)) continue;
            cImage image = ParseBitmapFile(ReadFileBytes(path, kMaxDisplayFileBytes), name);
            *out.images.AcquireImage(name) = std::move(image);
        }
    }
    return out;
}

std::string DrawingDifferences(const Layout& layout, const RasterCanvas& expected,
                               const RasterCanvas& actual) {
    if (expected.Width() != actual.Width() || expected.Height() != actual.Height())
        return "the display is " + std::to_string(actual.Width()) + " x " +
               std::to_string(actual.Height()) + " pixels, not " +
               std::to_string(expected.Width()) + " x " + std::to_string(expected.Height());
    // Topmost first: the windows are drawn background objects first, then the others.
    std::vector<const cWindow*> order;
    for (const bool backgrounds : {false, true})
        for (auto it = layout.WindowList.rbegin(); it != layout.WindowList.rend(); ++it)
            if (((*it)->Type == wtBackground) == backgrounds) order.push_back(it->get());
    std::map<const cWindow*, long> counts;
    for (int y = 0; y < expected.Height(); ++y) {
        const std::uint32_t* a = expected.Row(y);
        const std::uint32_t* b = actual.Row(y);
        if (std::memcmp(a, b, sizeof(std::uint32_t) * static_cast<std::size_t>(expected.Width())) ==
            0)
            continue;
        for (int x = 0; x < expected.Width(); ++x) {
            if (a[x] == b[x]) continue;
            const auto over = std::find_if(order.begin(), order.end(), [&](const cWindow* w) {
                return x >= w->X0 && x <= w->X1 && y >= w->Y0 && y <= w->Y1;
            });
            ++counts[over == order.end() ? nullptr : *over];
        }
    }
    std::string text;
    for (const cWindow* w : order) {
        const auto found = counts.find(w);
        if (found == counts.end()) continue;
        if (!text.empty()) text += ", ";
        text += WindowName(*w) + ": " + std::to_string(found->second) +
                (found->second == 1 ? " pixel" : " pixels");
    }
    if (const auto outside = counts.find(nullptr); outside != counts.end())
        text += (text.empty() ? "" : ", ") + std::to_string(outside->second) +
                " pixels outside every window";
    return text;
}

} // namespace pw
