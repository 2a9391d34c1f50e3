#include "config/dcf_file.h"

#include "config/input_group.h"
#include "config/window_group.h"
#include "platform/errors.h"
#include "windows/window_list.h"

#include <string_view>

namespace pw {

namespace {

// Message boxes for unknown groups are shown one by one up to this number; a damaged file
// with thousands of them must not bury the user in boxes.
constexpr int kUnknownGroupMessages = 5;
// How much of a header line a message shows.
constexpr std::size_t kShownHeader = 200;

// Drops the lines of a group of another name up to one that holds "]". The header line itself
// is not examined, so a one-line group swallows the group after it.
void SkipGroup(DcfReader& file) {
    std::string_view line;
    while (file.ReadLine(line))
        if (line.find(']') != std::string::npos) return;
    if (line.find(']') == std::string::npos) file.GroupRanOut();
}

void ReadAll(Layout& layout, DcfReader& file, Host& host) {
    int unknown = 0;
    std::string_view line;
    while (file.ReadLine(line)) {
        if (StartsWith(line, "[ INPUT")) {
            ReadInputGroup(layout.InputSpec, file);
        } else if (StartsWith(line, "[ WINDOW")) {
            if (layout.WindowList.size() >= kMaxLayoutWindows)
                throw FormatError("The layout holds more than " +
                                  std::to_string(kMaxLayoutWindows) +
                                  " windows, far more than any display shows; it is not read.");
            cWindow& w = NewWindow(layout);
            layout.CurWindow = &w;
            w.Lines.group = static_cast<std::uint32_t>(file.LineNumber());
            ReadWindowGroup(w, file, &w.Lines);
            if (Background(layout) == &w) layout.BackgroundColour = w.BG0;
        } else if (StartsWith(line, "[ ")) {
            if (++unknown <= kUnknownGroupMessages) {
                const bool cut = line.size() > kShownHeader;
                host.ShowMessage("Unknown group " + std::string(line.substr(0, kShownHeader)) +
                                 (cut ? "..." : ""));
            }
            SkipGroup(file);
        }
    }
    if (unknown > kUnknownGroupMessages)
        host.ShowMessage(std::to_string(unknown - kUnknownGroupMessages) +
                                " more unknown groups were skipped.");
}

// About the length of the layout's text, a little more rather than less, so that the text is
// not moved again and again as it grows: the texts and names with their lines, and a group's
// fixed lines.
std::size_t ExpectedLength(const Layout& layout) {
    constexpr std::size_t kGroupLines = 512, kIndexedLine = 24, kImageLines = 64;
    std::size_t length = kGroupLines;
    for (const auto& w : layout.WindowList) {
        length += kGroupLines + 2 * (w->FontName.size() + w->FntFile.size());
        for (const std::string_view text : w->Text)
            if (!text.empty()) length += kIndexedLine + text.size();
        for (const std::string& name : w->BMP)
            if (!name.empty()) length += kImageLines + name.size();
    }
    return length;
}

} // namespace

void WriteWindows(const Layout& layout, std::string& file) {
    for (const auto& w : layout.WindowList) WriteWindowGroup(*w, file);
}

std::string WriteLayoutText(const Layout& layout) {
    std::string file;
    file.reserve(ExpectedLength(layout));
    WriteInputGroup(layout.InputSpec, file);
    WriteWindows(layout, file);
    return file;
}

void WriteLayout(const Layout& layout, const ByteSink& sink) {
    // Large enough that the sink is seldom called, small beside any layout worth streaming.
    constexpr std::size_t kPiece = 256u << 10;
    std::string piece;
    piece.reserve(kPiece + kPiece / 4);
    WriteInputGroup(layout.InputSpec, piece);
    for (const auto& w : layout.WindowList) {
        WriteWindowGroup(*w, piece);
        if (piece.size() < kPiece) continue;
        sink(piece);
        piece.clear();
    }
    sink(piece);
}

void ReadGroups(Layout& layout, DcfReader& file, Host& host) {
    ClearWindows(layout);
    try {
        ReadAll(layout, file, host);
    } catch (const FormatError& error) {
        throw FormatError(std::string(error.what()) + " (line " +
                          std::to_string(file.LineNumber()) + ")");
    }
}

} // namespace pw
