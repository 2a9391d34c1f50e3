#pragma once
// The fields of a window that its layout file stores, listed once. Whether two windows hold
// the same, what a command changed in a window (the undo step's name), the window group the
// layout file holds and the one way a window is changed all go through ForEachField, so that
// a field added to WindowFields and to the list is compared, named, written and changed
// everywhere, and one added to WindowFields alone fails a test.

#include "windows/indexed_strings.h"
#include "windows/indexed_texts.h"

#include <cstdint>
#include <string>

namespace pw {

struct WindowFields {
    std::uint8_t DragMode = 0;
    std::uint32_t Number = 0;
    std::uint32_t ListPos = 0;
    std::uint32_t Tag = 0;
    std::uint8_t Type = 0;
    std::int32_t Parameter = 0;
    std::int32_t Texture = 0;
    std::uint8_t DrawType = 0;
    std::int32_t Format = 0;
    // Colours
    std::int32_t FG = 0;
    std::int32_t BG0 = 0;
    std::int32_t BG = 0;
    std::int32_t CurIndex = 0;
    std::int32_t FontSize = 0;
    // Position, all inclusive
    std::int32_t X0 = 0;
    std::int32_t Y0 = 0;
    std::int32_t X1 = 0;
    std::int32_t Y1 = 0;
    IndexedTexts Text;
    IndexedStrings BMP;
    std::string FontName;
    std::string FntFile;
    std::uint8_t FontStyle = 0;
};

// One bit a field of content.
using FieldMask = std::uint32_t;
enum WindowField : FieldMask {
    wfNone = 0, // where the window is in its list, or how it is dragged: no content
    wfType = 1u << 0,
    wfNumber = 1u << 1,
    wfTag = 1u << 2,
    wfParameter = 1u << 3,
    wfFormat = 1u << 4,
    wfDrawType = 1u << 5,
    wfTexture = 1u << 6,
    wfFontSize = 1u << 7,
    wfFontName = 1u << 8,
    wfFntFile = 1u << 9,
    wfFontStyle = 1u << 10,
    wfFG = 1u << 11,
    wfBG0 = 1u << 12,
    wfBG = 1u << 13,
    wfX0 = 1u << 14,
    wfY0 = 1u << 15,
    wfX1 = 1u << 16,
    wfY1 = 1u << 17,
    wfCurIndex = 1u << 18,
    wfText = 1u << 19,
    wfBMP = 1u << 20,
};
constexpr FieldMask kAllFields = (1u << 21) - 1;
constexpr FieldMask kPositionFields = wfX0 | wfY0 | wfX1 | wfY1;
constexpr FieldMask kColourFields = wfFG | wfBG0 | wfBG;

// What the list says of a field: its bit, and the key of the layout file line that holds it
// (fields of one key share a line, in list order); none for a field no file holds.
struct FieldInfo {
    FieldMask bit;
    const char* key;
};

// Calls visit(info, member) for every field of WindowFields, in the order the layout file
// holds them, member being a pointer to the field.
template <typename Visit> constexpr void ForEachField(Visit&& visit) {
    using W = WindowFields;
    visit(FieldInfo{wfNone, nullptr}, &W::DragMode);
    visit(FieldInfo{wfNone, nullptr}, &W::ListPos);
    visit(FieldInfo{wfType, "Type"}, &W::Type);
    visit(FieldInfo{wfNumber, "Type"}, &W::Number);
    visit(FieldInfo{wfTag, "Tag"}, &W::Tag);
    visit(FieldInfo{wfParameter, "Tag"}, &W::Parameter);
    visit(FieldInfo{wfFormat, "Format"}, &W::Format);
    visit(FieldInfo{wfDrawType, "Format"}, &W::DrawType);
    visit(FieldInfo{wfTexture, "Texture"}, &W::Texture);
    visit(FieldInfo{wfFontSize, "FontSize"}, &W::FontSize);
    visit(FieldInfo{wfFontName, "FontName"}, &W::FontName);
    visit(FieldInfo{wfFntFile, "FntFile"}, &W::FntFile);
    visit(FieldInfo{wfFontStyle, "FontStyle"}, &W::FontStyle);
    visit(FieldInfo{wfFG, "Colours"}, &W::FG);
    visit(FieldInfo{wfBG0, "Colours"}, &W::BG0);
    visit(FieldInfo{wfBG, "Colours"}, &W::BG);
    visit(FieldInfo{wfX0, "Position"}, &W::X0);
    visit(FieldInfo{wfY0, "Position"}, &W::Y0);
    visit(FieldInfo{wfX1, "Position"}, &W::X1);
    visit(FieldInfo{wfY1, "Position"}, &W::Y1);
    visit(FieldInfo{wfCurIndex, "CurIndex"}, &W::CurIndex);
    visit(FieldInfo{wfText, "Text"}, &W::Text);
    visit(FieldInfo{wfBMP, "BMP"}, &W::BMP);
}

// The fields of content, among those given, in which a and b differ.
FieldMask DifferentFields(const WindowFields& a, const WindowFields& b,
                          FieldMask among = kAllFields);
// Whether a and b hold the same content; stops at the first difference.
bool SameFields(const WindowFields& a, const WindowFields& b);
// Copies the fields of the mask from one window to another.
void CopyFields(WindowFields& to, const WindowFields& from, FieldMask mask);

} // namespace pw
