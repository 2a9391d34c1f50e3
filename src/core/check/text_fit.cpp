#include "check/text_fit.h"

#include "generate/font_uses.h"

#include <algorithm>
#include <bitset>

namespace pw {

namespace {

// Text is drawn this far right of where its alignment puts it, in the views that show what
// the display draws.
constexpr int kDisplayShift = 2;
// How much of a text a message quotes.
constexpr std::size_t kQuoted = 40;

std::string Quoted(std::string_view text) {
    std::string shown(text.substr(0, std::min(text.find_first_of("\r\n"), kQuoted)));
    if (shown.size() < text.size()) shown += "...";
    return "\"" + shown + "\"";
}

std::string FontName(const FontDesc& font) {
    return font.face + " " + std::to_string(font.height);
}

long long Outside(long long from, long long size, long long low, long long high) {
    if (size <= 0) return 0;
    return std::max(0LL, low - from) + std::max(0LL, from + size - 1 - high);
}

// What one pass over a text tells: its lowest and highest character and its line count.
struct TextScan {
    unsigned char lowest = 255, highest = 0;
    long long lines = 1;
};

TextScan Scan(std::string_view text) {
    TextScan scan;
    long long lineFeeds = 0;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        scan.lowest = std::min(scan.lowest, c);
        scan.highest = std::max(scan.highest, c);
        lineFeeds += c == '\n';
    }
    scan.lines += lineFeeds;
    return scan;
}

std::string Unshown(std::string_view text) {
    std::bitset<256> above;
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= kGlyphSlots) above.set(static_cast<unsigned char>(c));
    std::string chars;
    for (int c = kGlyphSlots; c < 256; ++c)
        if (above[c]) chars += static_cast<char>(c);
    return chars;
}

// A window's texts measured in one font.
class TextMeasure {
public:
    TextMeasure(const cWindow& w, DisplayFont& font, TextEngine& engine)
        : w_(w), font_(font), engine_(engine) {}

    // Columns of the text's widest-passing line outside the window, and that line's width.
    std::pair<long long, long long> WidthOutside(std::string_view text, const TextScan& scan) {
        if (scan.lowest < 32 && HasRoomyControls(text)) font_.ControlsTakeRoom(engine_);
        // Lines are split as the renderer splits them: from just after a line feed up to the
        // next carriage return. Most texts are one line.
        if (scan.lines == 1) {
            const long long width = Sum(text, 0, std::min(text.find('\r'), text.size()));
            return {Outside(LineLeft(width) + kDisplayShift, width, w_.X0, w_.X1), width};
        }
        // A text that is not CR LF throughout has lines that overlap, so their widths come
        // from running sums.
        sums_.resize(text.size() + 1);
        sums_[0] = 0;
        for (std::size_t i = 0; i < text.size(); ++i)
            sums_[i + 1] = sums_[i] + font_.Width(static_cast<unsigned char>(text[i]));
        long long worst = 0, worstWidth = 0;
        std::size_t start = 0, cr = text.find('\r');
        for (;;) {
            if (cr != std::string::npos && cr < start) cr = text.find('\r', start);
            const std::size_t end = cr == std::string::npos ? text.size() : cr;
            const long long width = sums_[end] - sums_[start];
            const long long outside = Outside(LineLeft(width) + kDisplayShift, width, w_.X0, w_.X1);
            if (outside > worst || (outside == worst && width > worstWidth)) {
                worst = outside;
                worstWidth = width;
            }
            const std::size_t next = text.find('\n', start);
            if (next == std::string::npos) break;
            start = next + 1;
        }
        return {worst, worstWidth};
    }

    // Rows of the text's lines outside the window.
    long long HeightOutside(long long lines) const {
        const long long h = font_.lineHeight * lines;
        long long y = w_.Y0;
        if (w_.HasFlag(fmVCentre)) y = (static_cast<long long>(w_.Y0) + w_.Y1 - h) / 2;
        return Outside(y, h, w_.Y0, w_.Y1);
    }

private:
    long long LineLeft(long long width) const {
        if (w_.HasFlag(fmCentre)) return (static_cast<long long>(w_.X1) + w_.X0 - width) / 2;
        if (w_.HasFlag(fmRight)) return static_cast<long long>(w_.X1) - width;
        return w_.X0;
    }

    long long Sum(std::string_view text, std::size_t from, std::size_t to) const {
        long long width = 0;
        for (std::size_t i = from; i < to; ++i)
            width += font_.Width(static_cast<unsigned char>(text[i]));
        return width;
    }

    // Whether a line holds a character below the standard set: any but the CR LF between
    // lines.
    static bool HasRoomyControls(std::string_view text) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            const auto c = static_cast<unsigned char>(text[i]);
            if (c >= 32 || c == '\r' || (c == '\n' && i > 0 && text[i - 1] == '\r')) continue;
            return true;
        }
        return false;
    }

    const cWindow& w_;
    DisplayFont& font_;
    TextEngine& engine_;
    std::vector<long long> sums_;
};

void CheckWindowTexts(const cWindow& w, const FontUse& use, DisplayFont& font, TextEngine& engine,
                      std::vector<Problem>& out) {
    const auto add = [&](Severity severity, ProblemKind kind, int index, std::string message,
                         std::optional<long long> pixels) {
        const std::uint32_t line = index == kNoIndex ? w.Lines.group : w.Lines.text[index];
        out.push_back({severity, kind, w.Number, index, line, std::move(message), pixels});
    };
    if (!font.refusal.empty()) {
        add(Severity::Error, ProblemKind::FontRefused, kNoIndex,
            font.refusal + " Generate files would stop on it.", std::nullopt);
        return;
    }
    if (!font.substitute.empty())
        add(Severity::Warning, ProblemKind::FontFaceMissing, kNoIndex,
            "The font face " + use.font.face +
                " is not installed here; its font file would be "
                "made in " +
                font.substitute + ".",
            std::nullopt);
    const long long height = static_cast<long long>(w.Y1) - w.Y0 + 1;
    const bool belowLine = height < font.lineHeight;
    if (belowLine)
        add(Severity::Error, ProblemKind::WindowBelowLine, kNoIndex,
            "The window is " + std::to_string(height) + " pixels high, less than a line of " +
                FontName(use.font) + " (" + std::to_string(font.lineHeight) + " pixels).",
            font.lineHeight - height);

    TextMeasure measure(w, font, engine);
    for (int index = 0; index < kIndexCount; ++index) {
        const std::string_view text = w.Text[index];
        if (text.empty()) continue;
        const TextScan scan = Scan(text);
        if (const std::string chars = scan.highest < kGlyphSlots ? "" : Unshown(text);
            !chars.empty())
            add(Severity::Error, ProblemKind::UnshownCharacters, index,
                Quoted(text) + " holds \"" + chars + "\", which the font file " + use.fntFile +
                    " cannot hold: it has no characters above code 127.",
                std::nullopt);
        if (const auto [outside, width] = measure.WidthOutside(text, scan); outside > 0)
            add(Severity::Error, ProblemKind::TextTooWide, index,
                Quoted(text) + " is " + std::to_string(width) + " pixels wide in " +
                    FontName(use.font) + "; " + std::to_string(outside) +
                    " pixels of it fall outside the window, which is " +
                    std::to_string(static_cast<long long>(w.X1) - w.X0 + 1) + " wide.",
                outside);
        if (belowLine) continue;
        const long long lines = scan.lines;
        if (const long long outside = measure.HeightOutside(lines); outside > 0)
            add(Severity::Error, ProblemKind::TextTooTall, index,
                "The " + std::to_string(lines) + " lines of " + Quoted(text) + " are " +
                    std::to_string(lines * font.lineHeight) + " pixels high in " +
                    FontName(use.font) + "; " + std::to_string(outside) +
                    " rows fall outside the window, which is " + std::to_string(height) + " high.",
                outside);
    }
}

} // namespace

void CheckTexts(const Layout& layout, TextEngine& engine, DisplayFonts& fonts,
                std::vector<Problem>& out) {
    FontFileRecords names;
    for (const FontUse& use : FontUses(layout, names)) {
        DisplayFont& font = fonts.Of(engine, use.font);
        for (const std::size_t i : use.windows)
            CheckWindowTexts(*layout.WindowList[i], use, font, engine, out);
    }
}

} // namespace pw
