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

CanvasSize DisplayCanvasSize(const Layout& layout) {
    const cWindow* background = Background(layout);
    if (!background) return {kFirstCanvasWidth, kFirstCanvasHeight};
    return {std::clamp(background->X1 + 1, 1, kMaxDisplaySide),
            std::clamp(background->Y1 + 1, 1, kMaxDisplaySide)};
}

void DrawDisplayOn(RasterCanvas& canvas, const Layout& layout, const ImageStore& images,
                   TextEngine& engine, const CalendarNames& names, const DrawingOptions& options) {
    // A view of its own: drawing the layout changes nothing but this view's pixels. It draws
    // on the canvas it is handed, made the display's size here: a screen's worth of fresh
    // memory costs more than drawing most layouts on it, so a caller that draws often keeps
    // its canvas.
    Silent host;
    Observers observers;
    ImageBank bank(host, observers);
    Random random;
    View view(engine, bank, random, observers, 1, 1);
    view.canvas = std::move(canvas);
    const CanvasSize size = DisplayCanvasSize(layout);
    view.canvas.Resize(size.width, size.height);
    bank.ImageList.Replace(images.Images());
    Layout shown = layout;
    view.ViewMode = options.clock ? vmDynamic : vmStatic;
    for (auto& w : shown.WindowList) {
        if (options.index && w->Type != wtBackground && *options.index >= 0 &&
            *options.index < kIndexCount)
            w->CurIndex = *options.index;
        // The clock shows a time of its own only where the view is live.
        if (options.clock && w->Type == wtTimeDate) {
            w->Text.Set(0, FormatClock(*options.clock, w->Parameter, names));
            w->CurIndex = 0;
        }
    }
    // As the editor draws everything: with the Background object selected, transparency
    // stands for its colour.
    if (shown.CurWindow && shown.CurWindow == Background(shown))
        shown.BackgroundColour = shown.CurWindow->BG0;
    // The canvas handed in may hold an earlier drawing: what the layout leaves unpainted
    // shows the colour of a fresh canvas.
    if (!CoversCanvas(view, shown)) view.canvas.Fill(kButtonFace);
    RedrawAll(view, shown);
    // The images stay with their owner.
    bank.ImageList.Replace({});
    canvas = std::move(view.canvas);
}

RasterCanvas DrawDisplay(const Layout& layout, const ImageStore& images, TextEngine& engine,
                         const CalendarNames& names, const DrawingOptions& options) {
    RasterCanvas canvas;
    DrawDisplayOn(canvas, layout, images, engine, names, options);
    return canvas;
}

namespace {

// The layout's fonts and images, each taken once by the file name its windows give it: font
// and bitmap give a file's contents decoded, or nothing when the folder does not hold it.
template <typename FontOfFile, typename BitmapOfFile>
DisplayFolder Assemble(Layout layout, const std::string& folder, FontOfFile font,
                       BitmapOfFile bitmap) {
    DisplayFolder out;
    out.layout = std::move(layout);
    if (out.layout.WindowList.empty())
        throw FormatError("The file " + folder + kDisplayConfigName +
                          " holds no windows; it is not a layout file.");
    for (const auto& w : out.layout.WindowList) {
        if (w->DrawType == dtText && !w->FntFile.empty() && !w->FontName.empty() &&
            !out.fonts.Has(FontOf(*w))) {
            if (!IsPlainFileName(w->FntFile))
                throw FormatError("\"" + w->FntFile + "\" cannot name a font file.");
            std::optional<FntFont> file = font(w->FntFile);
            if (!file)
                throw IoError("The layout names the font file " + w->FntFile + ", which " + folder +
                              " does not hold.");
            out.fonts.Add(FontOf(*w), std::move(*file));
        }
        for (const std::string& name : w->BMP) {
            if (name.empty() || out.images.FindImage(name)) continue;
            std::optional<cImage> image = bitmap(BitmapFileName(name));
            if (!image) continue;
            image->FileName = name;
            *out.images.AcquireImage(name) = std::move(*image);
        }
    }
    return out;
}

} // namespace

DisplayFolder ReadDisplayFolder(const std::string& folder) {
    const std::string config = folder + kDisplayConfigName;
    if (!FileExists(config))
        throw IoError("The folder " + folder + " holds no " + kDisplayConfigName + ".");
    const std::string bytes = ReadFileBytes(config, kMaxLayoutFileBytes);
    DcfReader reader(bytes);
    Silent host;
    Layout layout;
    ReadGroups(layout, reader, host);
    return Assemble(
        std::move(layout), folder,
        [&](const std::string& name) -> std::optional<FntFont> {
            const std::string path = folder + name;
            if (!FileExists(path)) return std::nullopt;
            return ParseFontFile(ReadFileBytes(path, kMaxDisplayFileBytes), name);
        },
        [&](const std::string& name) -> std::optional<cImage> {
            const std::string path = folder + name;
            if (!FileExists(path)) return std::nullopt;
            return ParseBitmapFile(ReadFileBytes(path, kMaxDisplayFileBytes), name);
        });
}

DisplayFolder DisplayFolderOf(DecodedDisplayFiles files, const std::string& folder) {
    if (!files.layout)
        throw IoError("The folder " + folder + " holds no " + kDisplayConfigName + ".");
    const auto find = [](auto& decoded, const std::string& name) {
        const auto found = decoded.find(name);
        return found == decoded.end() ? std::nullopt : std::optional(found->second);
    };
    return Assemble(
        std::move(*files.layout), folder,
        [&](const std::string& name) { return find(files.fonts, name); },
        [&](const std::string& name) { return find(files.bitmaps, name); });
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
