#include "check/problem.h"

#include <algorithm>

namespace pw {

const char* KindName(ProblemKind kind) {
    switch (kind) {
    case ProblemKind::TextTooWide: return "text-too-wide";
    case ProblemKind::TextTooTall: return "text-too-tall";
    case ProblemKind::UnshownCharacters: return "unshown-characters";
    case ProblemKind::FontFaceMissing: return "font-face-missing";
    case ProblemKind::FontRefused: return "font-refused";
    case ProblemKind::WindowBelowLine: return "window-below-line";
    case ProblemKind::DisplaySize: return "display-size";
    case ProblemKind::WindowOutside: return "window-outside";
    case ProblemKind::WindowHidden: return "window-hidden";
    case ProblemKind::BitmapMissing: return "bitmap-missing";
    case ProblemKind::BitmapUnreadable: return "bitmap-unreadable";
    case ProblemKind::BitmapTooLarge: return "bitmap-too-large";
    case ProblemKind::TextGap: return "text-gap";
    case ProblemKind::DestinationMissing: return "destination-missing";
    }
    return "";
}

std::size_t CountErrors(std::span<const Problem> problems) {
    return static_cast<std::size_t>(
        std::count_if(problems.begin(), problems.end(),
                      [](const Problem& p) { return p.severity == Severity::Error; }));
}

} // namespace pw
