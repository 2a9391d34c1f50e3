#include "config/window_group.h"

#include "display/colour.h"
#include "platform/errors.h"
#include "platform/text_engine.h"
#include "windows/delimited_text.h"

#include <initializer_list>
#include <string_view>

namespace pw {

namespace {

void Line(std::string& file, std::string_view key, std::initializer_list<long long> values) {
    file.append("  ").append(key).append(" = ");
    bool first = true;
    for (const long long v : values) {
        if (!first) file += ", ";
        file += std::to_string(v);
        first = false;
    }
    file += "\r\n";
}

bool Contains(std::string_view line, std::string_view key) {
    return line.find(key) != std::string_view::npos;
}

// The numbers of a key line, one after the other.
class Numbers {
public:
    explicit Numbers(std::string_view line) : line_(line) {}
    std::int32_t Next() {
        const std::uint32_t v = first_ ? FirstNumber(line_, pos_) : ScanNumber(line_, pos_);
        first_ = false;
        return static_cast<std::int32_t>(v);
    }

private:
    std::string_view line_;
    std::size_t pos_ = 0;
    bool first_ = true;
};

void ReadIndexedText(cWinFileDescription& w, const std::string& line, DcfReader& file) {
    Numbers n(line);
    const std::int32_t index = n.Next();
    std::string text = file.ReadDelimited();
    if (index < kIndexCount) w.Text[index] = std::move(text);
}

void ReadIndexedImage(cWinFileDescription& w, const std::string& line, DcfReader& file) {
    Numbers n(line);
    const std::int32_t index = n.Next();
    const std::int32_t transparent = n.Next();
    const bool dither = static_cast<std::uint8_t>(n.Next()) != 0;
    std::string name = file.ReadDelimited();
    if (index >= kIndexCount) return;
    w.BMP[index] = name;
    // The draw type must already be known: a BMP line before the Format line loads nothing.
    if (w.DrawType != dtImage) return;
    // The code goes into the image's .bm file, whose readers take nothing else.
    if (transparent > kTransparent)
        throw FormatError("The bitmap " + name.substr(0, 200) +
                          " is given the transparent colour code " + std::to_string(transparent) +
                          "; colour codes are 0 to " + std::to_string(kTransparent) + ".");
    w.LoadIndexImage(name, dither, index, transparent);
}

} // namespace

void WriteWindowGroup(cWinFileDescription& w, std::string& file) {
    file += "[ WINDOW\r\n";
    Line(file, "Type", {w.Type, w.Number});
    Line(file, "Tag", {w.Tag, w.Parameter});
    Line(file, "Format", {w.Format, w.DrawType});
    Line(file, "Texture", {w.Texture});
    Line(file, "FontSize", {w.FontSize});
    if (!w.FontName.empty()) {
        file.append("  FontName = ").append(w.FontName).append("\r\n");
        file.append("  FntFile = ").append(w.FntFile).append("\r\n");
        Line(file, "FontStyle", {w.FontStyle & (fsBold | fsItalic | fsUnderline | fsStrikeOut)});
    }
    Line(file, "Colours", {w.FG, w.BG0, w.BG});
    Line(file, "Position", {w.X0, w.Y0, w.X1, w.Y1});
    Line(file, "CurIndex", {w.CurIndex});
    for (int i = 0; i < kIndexCount; ++i) {
        if (w.Text[i].empty()) continue;
        Line(file, "Text", {i});
        AppendDelimited(file, w.Text[i]);
    }
    for (int i = 0; i < kIndexCount; ++i)
        if (!w.BMP[i].empty()) w.WriteIndexImage(file, i);
    file += "WINDOW END ]\r\n\r\n";
}

void ReadWindowGroup(cWinFileDescription& w, DcfReader& file) {
    w.DragMode = dmIdle;
    std::string line;
    while (file.ReadLine(line)) {
        // First match wins, in this order. Most keys are found anywhere in the line, as files
        // edited by hand have relied on; the end line, Text and BMP only at column 1.
        if (StartsWith(line, "WINDOW END ]")) break;
        if (Contains(line, "Type = ")) {
            Numbers n(line);
            w.Type = static_cast<std::uint8_t>(n.Next());
            w.Number = static_cast<std::uint32_t>(n.Next());
        } else if (Contains(line, "Tag = ")) {
            Numbers n(line);
            w.Tag = static_cast<std::uint32_t>(n.Next());
            w.Parameter = n.Next();
        } else if (Contains(line, "Format = ")) {
            Numbers n(line);
            w.Format = n.Next();
            w.DrawType = static_cast<std::uint8_t>(n.Next());
        } else if (Contains(line, "Texture = ")) {
            w.Texture = Numbers(line).Next();
        } else if (Contains(line, "FontSize = ")) {
            w.FontSize = Numbers(line).Next();
        } else if (Contains(line, "CurIndex = ")) {
            w.CurIndex = Numbers(line).Next();
        } else if (Contains(line, "  FontName = ")) {
            w.FontName = ValueText(line);
        } else if (const std::size_t key = line.find("  FntFile = "); key != std::string::npos) {
            // Taken from its own key rather than from the line's first "=": a value that
            // began " FontName = " would be written as a line of the font's name.
            w.FntFile = ValueText(std::string_view(line).substr(key));
        } else if (Contains(line, "FontStyle = ")) {
            w.FontStyle = static_cast<std::uint8_t>(Numbers(line).Next() &
                                                    (fsBold | fsItalic | fsUnderline | fsStrikeOut));
        } else if (Contains(line, "Colours = ")) {
            Numbers n(line);
            w.FG = n.Next();
            w.BG0 = n.Next();
            w.BG = n.Next();
        } else if (Contains(line, "Position = ")) {
            Numbers n(line);
            w.X0 = n.Next();
            w.Y0 = n.Next();
            w.X1 = n.Next();
            w.Y1 = n.Next();
        } else if (StartsWith(line, "  Text = ")) {
            ReadIndexedText(w, line, file);
        } else if (StartsWith(line, "  BMP = ")) {
            ReadIndexedImage(w, line, file);
        }
    }
    // The last line of a file is never interpreted, but it may still be the end line.
    if (!StartsWith(line, "WINDOW END ]")) file.GroupRanOut();
    // The three font lines are written together or not at all, so a hand-edited font file or
    // style without a face would be lost at the next save: it is dropped now, and the window
    // reads as it will read back.
    if (w.FontName.empty()) {
        w.FntFile.clear();
        w.FontStyle = 0;
    }
    w.AfterRead();
}

} // namespace pw
