#include "config/window_group.h"

#include "display/colour.h"
#include "platform/errors.h"
#include "platform/text_engine.h"
#include "windows/delimited_text.h"

#include <array>
#include <charconv>
#include <initializer_list>
#include <string_view>
#include <type_traits>
#include <vector>

namespace pw {

namespace {

template <typename Values> void Line(std::string& file, std::string_view key, const Values& values) {
    file.append("  ").append(key).append(" = ");
    bool first = true;
    for (const long long v : values) {
        if (!first) file += ", ";
        char digits[24];
        file.append(digits, std::to_chars(digits, digits + sizeof digits, v).ptr);
        first = false;
    }
    file += "\r\n";
}

// Whether a line holds a key. Every key a group's lines are searched for ends in " = ", and a
// line holds few of those: a key is in the line exactly where one of them ends it. Found once
// per line, they spare searching the whole line for each key in turn.
class KeyLine {
public:
    explicit KeyLine(std::string_view line) : line_(line) {
        // A plain scan: a key line is short, and a search would be started again at every
        // blank of it.
        for (std::size_t at = 0; at + kEquals.size() <= line.size(); ++at) {
            if (line[at + 1] != '=' || line[at] != ' ' || line[at + 2] != ' ') continue;
            if (count_ == ends_.size()) {
                many_ = true;
                break;
            }
            ends_[count_++] = at;
        }
    }
    bool Contains(std::string_view key) const {
        if (many_) return line_.find(key) != std::string_view::npos;
        const std::size_t head = key.size() - kEquals.size();
        for (std::size_t i = 0; i < count_; ++i)
            if (ends_[i] >= head && line_[ends_[i] - head] == key[0] &&
                line_.compare(ends_[i] - head, key.size(), key) == 0)
                return true;
        return false;
    }
    // Every key ends in " = ": a line without one holds none, as does what follows the end of
    // each text.
    bool None() const { return count_ == 0; }
    // Whether the line holds the one key that begins it and no other: the key lines of a
    // large layout's texts and images are nearly all its lines.
    bool OnlyKeyAtStart(std::string_view key) const {
        return !many_ && count_ == 1 && StartsWith(line_, key);
    }

private:
    static constexpr std::string_view kEquals = " = ";
    std::string_view line_;
    std::array<std::size_t, 4> ends_{};
    std::size_t count_ = 0;
    bool many_ = false; // more than ends_ holds: searched the plain way
};

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

void ReadIndexedText(cWinFileDescription& w, std::string_view line, DcfReader& file,
                     FileLines* lines) {
    Numbers n(line);
    const std::int32_t index = n.Next();
    const auto at = static_cast<std::uint32_t>(file.LineNumber());
    const std::string_view text = file.ReadDelimited();
    if (index < 0 || index >= kIndexCount) return;
    w.Text.Set(index, text);
    if (lines) lines->text[index] = at;
}

void ReadIndexedImage(cWinFileDescription& w, std::string_view line, DcfReader& file,
                      FileLines* lines) {
    Numbers n(line);
    const std::int32_t index = n.Next();
    if (lines && index >= 0 && index < kIndexCount) lines->bmp[index] = static_cast<std::uint32_t>(file.LineNumber());
    const std::int32_t transparent = n.Next();
    const bool dither = static_cast<std::uint8_t>(n.Next()) != 0;
    std::string name(file.ReadDelimited());
    if (index < 0 || index >= kIndexCount) return;
    w.BMP[index] = name;
    // The draw type must already be known: a BMP line before the Format line loads nothing.
    if (w.DrawType != dtImage) return;
    // The code goes into the image's .bm file, whose readers take nothing else.
    if (transparent > kTransparent)
        throw FormatError("The bitmap \"" + name.substr(0, 200) +
                          "\" is given the transparent colour code " + std::to_string(transparent) +
                          "; colour codes are 0 to " + std::to_string(kTransparent) + ".");
    w.LoadIndexImage(name, dither, index, transparent);
}

} // namespace

void WriteWindowGroup(cWinFileDescription& w, std::string& file) {
    file += "[ WINDOW\r\n";
    // A window without a face has no font lines at all.
    const bool font = !w.FontName.empty();
    // The numbers of the line under way; the fields of one key follow one another.
    std::string_view key;
    std::vector<long long> numbers;
    const auto endLine = [&] {
        if (!numbers.empty()) Line(file, key, numbers);
        numbers.clear();
    };
    ForEachField([&](FieldInfo info, auto member) {
        using T = std::remove_cvref_t<decltype(w.*member)>;
        if (!info.key) return;
        if (key != info.key) endLine();
        key = info.key;
        if constexpr (std::is_integral_v<T>) {
            if (info.bit != wfFontStyle)
                numbers.push_back(w.*member);
            else if (font)
                numbers.push_back(w.FontStyle & (fsBold | fsItalic | fsUnderline | fsStrikeOut));
        } else if constexpr (std::is_same_v<T, std::string>) {
            if (font) file.append("  ").append(key).append(" = ").append(w.*member).append("\r\n");
        } else if (info.bit == wfText) {
            // Read, not written: the entries are looked at through const.
            const IndexedTexts& texts = w.Text;
            for (int i = 0; i < kIndexCount; ++i) {
                if (texts[i].empty()) continue;
                Line(file, key, std::initializer_list<long long>{i});
                AppendDelimited(file, texts[i]);
            }
        } else {
            const IndexedStrings& names = w.BMP;
            for (int i = 0; i < kIndexCount; ++i)
                if (!names[i].empty()) w.WriteIndexImage(file, i);
        }
    });
    endLine();
    file += "WINDOW END ]\r\n\r\n";
}

void ReadWindowGroup(cWinFileDescription& w, DcfReader& file, FileLines* lines) {
    w.DragMode = dmIdle;
    std::string_view line;
    while (file.ReadLine(line)) {
        // First match wins, in this order. Most keys are found anywhere in the line, as files
        // edited by hand have relied on; the end line, Text and BMP only at column 1.
        if (StartsWith(line, "WINDOW END ]")) break;
        const KeyLine keys(line);
        // No other key ends as "  Text = " or "  BMP = " does, so a line that holds only one of
        // these holds no other.
        if (keys.None()) {
            continue;
        } else if (keys.OnlyKeyAtStart("  Text = ")) {
            ReadIndexedText(w, line, file, lines);
        } else if (keys.OnlyKeyAtStart("  BMP = ")) {
            ReadIndexedImage(w, line, file, lines);
        } else if (keys.Contains("Type = ")) {
            Numbers n(line);
            w.Type = static_cast<std::uint8_t>(n.Next());
            w.Number = static_cast<std::uint32_t>(n.Next());
        } else if (keys.Contains("Tag = ")) {
            Numbers n(line);
            w.Tag = static_cast<std::uint32_t>(n.Next());
            w.Parameter = n.Next();
        } else if (keys.Contains("Format = ")) {
            Numbers n(line);
            w.Format = n.Next();
            w.DrawType = static_cast<std::uint8_t>(n.Next());
        } else if (keys.Contains("Texture = ")) {
            w.Texture = Numbers(line).Next();
        } else if (keys.Contains("FontSize = ")) {
            w.FontSize = Numbers(line).Next();
        } else if (keys.Contains("CurIndex = ")) {
            w.CurIndex = Numbers(line).Next();
        } else if (keys.Contains("  FontName = ")) {
            w.FontName = ValueText(line);
        } else if (keys.Contains("  FntFile = ")) {
            // Taken from its own key rather than from the line's first "=": a value that
            // began " FontName = " would be written as a line of the font's name.
            w.FntFile = ValueText(std::string_view(line).substr(line.find("  FntFile = ")));
        } else if (keys.Contains("FontStyle = ")) {
            w.FontStyle = static_cast<std::uint8_t>(Numbers(line).Next() &
                                                    (fsBold | fsItalic | fsUnderline | fsStrikeOut));
        } else if (keys.Contains("Colours = ")) {
            Numbers n(line);
            w.FG = n.Next();
            w.BG0 = n.Next();
            w.BG = n.Next();
        } else if (keys.Contains("Position = ")) {
            Numbers n(line);
            w.X0 = n.Next();
            w.Y0 = n.Next();
            w.X1 = n.Next();
            w.Y1 = n.Next();
        } else if (StartsWith(line, "  Text = ")) {
            ReadIndexedText(w, line, file, lines);
        } else if (StartsWith(line, "  BMP = ")) {
            ReadIndexedImage(w, line, file, lines);
        }
    }
    // The last line of a file is never interpreted, but it may still be the end line.
    if (!StartsWith(line, "WINDOW END ]")) file.GroupRanOut();
    w.Text.Compact();
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
