#include "generate/font_file_list.h"

#include "platform/name_chars.h"
#include "windows/window.h"

#include <algorithm>

namespace pw {

namespace {

constexpr std::size_t kFaceCharsKept = 9;
constexpr char kFirstSuffix = 'A';
constexpr char kLastSuffix = '~';

// Windows-1252 letters in upper case, as Windows compares file names.
char FoldCase(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 'a' && u <= 'z') return static_cast<char>(u - 32);
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 32);
    if (u == 0x9A || u == 0x9C || u == 0x9E) return static_cast<char>(u - 16);
    if (u == 0xFF) return static_cast<char>(0x9F);
    return c;
}

bool SameFileName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return FoldCase(x) == FoldCase(y); });
}

} // namespace

std::string FontFileName(const FontDesc& font) {
    std::string name;
    for (const char c : font.face) {
        if (c == ' ' || !CanStandInName(c) || (c == '.' && name.empty())) continue;
        if (name.size() == kFaceCharsKept) break;
        name += c;
    }
    return name + std::to_string(font.height);
}

std::string FindFontFile(const FontFileRecords& list, const cFontFile& record) {
    for (const cFontFile& f : list)
        if (f.FontName == record.FontName && f.Style == record.Style && f.Size == record.Size)
            return f.FileName;
    return "";
}

bool FileNameTaken(const FontFileRecords& list, const cFontFile& record) {
    return std::any_of(list.begin(), list.end(), [&](const cFontFile& f) {
        return SameFileName(f.FileName, record.FileName);
    });
}

void MakeFileNameFree(const FontFileRecords& list, cFontFile& record) {
    if (!FileNameTaken(list, record)) return;
    record.FileName += kFirstSuffix;
    while (FileNameTaken(list, record)) {
        char& last = record.FileName.back();
        do {
            if (last == kLastSuffix) {
                record.FileName += kFirstSuffix;
                break;
            }
            ++last;
        } while (!CanStandInName(last));
    }
}

bool NeedsFontFile(std::uint8_t drawType, const std::string& fontName, const IndexedTexts& texts) {
    return drawType == dtText && !fontName.empty() &&
           std::any_of(texts.begin(), texts.end(), [](std::string_view t) { return !t.empty(); });
}

FontFileChoice ChooseFontFile(FontFileRecords& list, const FontDesc& font) {
    cFontFile record;
    record.FontName = font.face;
    record.Style = font.style;
    // Negated without overflow: a hand-edited layout may hold any size.
    record.Size = static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(font.height));
    if (std::string found = FindFontFile(list, record); !found.empty()) return {found + ".fnt"};
    record.FileName = FontFileName(font);
    MakeFileNameFree(list, record);
    list.push_back(record);
    return {record.FileName + ".fnt", true};
}

} // namespace pw
