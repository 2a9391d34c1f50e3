#include "windows/shown_values.h"

#include "windows/view.h"

namespace pw {

namespace {

bool ShowsSample(const cWindow& w, std::uint8_t viewMode) {
    return w.DrawType == dtText && w.Type == wtTimeDate && viewMode != vmDynamic;
}

bool SampleDiffers(const cWindow& w, std::uint8_t viewMode) {
    return ShowsSample(w, viewMode) && (w.CurIndex != 0 || w.Text[0] != TimeDateSample(w.Parameter));
}

// A window that shows no text keeps its empty face: merely loading and saving a layout must
// not change the file.
bool FontDiffers(const cWindow& w, std::string_view text) {
    return w.DrawType == dtText && !text.empty() && (w.FontName.empty() || w.FontSize == 0);
}

} // namespace

const char* TimeDateSample(std::int32_t parameter) {
    return parameter == 1 ? "20:30  Wednesday 30 Sep 2002" : "10:30 am  Wednesday 30 Sep 2002";
}

ShownText ShownTextOf(const cWindow& w, std::uint8_t viewMode) {
    ShownText shown{
        {}, w.FontName.empty() ? "Arial" : w.FontName, w.FontSize == 0 ? 20 : w.FontSize};
    if (ShowsSample(w, viewMode)) {
        shown.text = TimeDateSample(w.Parameter == 1 ? 1 : 0);
    } else if (w.IndexInRange()) {
        shown.text = w.Text[w.CurIndex];
    }
    return shown;
}

bool DiffersFromShown(const cWindow& w, std::uint8_t viewMode) {
    if (SampleDiffers(w, viewMode)) return true;
    return w.IndexInRange() && FontDiffers(w, w.Text[w.CurIndex]);
}

void ApplyShownValues(cWindow& w, std::uint8_t viewMode) {
    if (SampleDiffers(w, viewMode)) {
        w.CurIndex = 0;
        w.Text.Set(0, TimeDateSample(w.Parameter));
    }
    if (!w.IndexInRange() || !FontDiffers(w, w.Text[w.CurIndex])) return;
    if (w.FontName.empty()) w.FontName = "Arial";
    if (w.FontSize == 0) w.FontSize = 20;
}

} // namespace pw
