#pragma once
// The straightforward text check: every line of every text split out with GetLine and
// measured by the text engine, as the renderer measures what it draws.

#include "check/problem.h"
#include "display/text_lines.h"
#include "platform/text_engine.h"
#include "windows/layout.h"

#include <algorithm>
#include <vector>

namespace pw::reference {

inline void CheckTextsByEngine(const Layout& layout, TextEngine& engine,
                               std::vector<Problem>& out) {
    for (const auto& window : layout.WindowList) {
        const cWindow& w = *window;
        if (w.DrawType != dtText || w.FontName.empty()) continue;
        const FontDesc font{w.FontName, w.FontSize, w.FontStyle};
        for (int index = 0; index < kIndexCount; ++index) {
            const std::string_view s = w.Text[index];
            if (s.empty()) continue;
            long long worst = 0;
            for (unsigned i = 1; i <= LineCount(s); ++i) {
                const long long width = engine.Measure(font, GetLine(s, i)).width;
                long long x = w.X0;
                if (w.HasFlag(fmCentre))
                    x = (static_cast<long long>(w.X1) + w.X0 - width) / 2;
                else if (w.HasFlag(fmRight))
                    x = static_cast<long long>(w.X1) - width;
                x += 2;
                if (width > 0)
                    worst = std::max(worst,
                                     std::max(0LL, w.X0 - x) + std::max(0LL, x + width - 1 - w.X1));
            }
            if (worst > 0)
                out.push_back({Severity::Error, ProblemKind::TextTooWide, w.Number, index, 0,
                               "too wide", worst});
        }
    }
}

} // namespace pw::reference
