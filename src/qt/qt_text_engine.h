#pragma once
// Text through Qt's fonts, drawn straight into a canvas buffer without antialiasing.

#include "platform/text_engine.h"

#include <QFont>
#include <QFontMetrics>

#include <optional>

namespace pw {

class QtTextEngine : public TextEngine {
public:
    TextExtent Measure(const FontDesc& font, const std::string& text) override;
    void Draw(RasterCanvas& canvas, const FontDesc& font, int x, int y, const std::string& text,
              std::uint32_t colour, std::optional<std::uint32_t> background) override;

    // The Qt font for a layout font: pixel height, style bits, no antialiasing.
    static QFont MakeFont(const FontDesc& font);

private:
    const QFontMetrics& Metrics(const FontDesc& font);

    FontDesc cachedDesc_;
    std::optional<QFontMetrics> cachedMetrics_;
};

} // namespace pw
