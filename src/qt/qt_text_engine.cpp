#include "qt/qt_text_engine.h"

#include "platform/raster_canvas.h"
#include "qt/win1252.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

namespace pw {

QFont QtTextEngine::MakeFont(const FontDesc& font) {
    QFont f(FromWin1252(font.face));
    f.setPixelSize(std::clamp(font.height, 1, kMaxFontHeight));
    f.setBold(font.style & fsBold);
    f.setItalic(font.style & fsItalic);
    f.setUnderline(font.style & fsUnderline);
    f.setStrikeOut(font.style & fsStrikeOut);
    f.setStyleStrategy(QFont::NoAntialias);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

const QFontMetrics& QtTextEngine::Metrics(const FontDesc& font) {
    if (!cachedMetrics_ || !(cachedDesc_ == font)) {
        cachedMetrics_.emplace(MakeFont(font));
        cachedDesc_ = font;
    }
    return *cachedMetrics_;
}

TextExtent QtTextEngine::Measure(const FontDesc& font, const std::string& text) {
    const QFontMetrics& m = Metrics(font);
    return {m.horizontalAdvance(FromWin1252(text)), m.height()};
}

void QtTextEngine::Draw(RasterCanvas& canvas, const FontDesc& font, int x, int y,
                        const std::string& text, std::uint32_t colour,
                        std::optional<std::uint32_t> background) {
    if (canvas.Width() == 0 || canvas.Height() == 0) return;
    const QString s = FromWin1252(text);
    const QFontMetrics& m = Metrics(font);
    const QRect cell(x, y, m.horizontalAdvance(s), m.height());
    // A cell wholly off the canvas draws nothing. Leaving it out here also keeps far-off
    // coordinates from a hand-edited layout away from Qt's fixed-point glyph positions.
    const QRect bounds(0, 0, canvas.Width(), canvas.Height());
    if (!cell.adjusted(-m.height(), 0, m.height(), 0).intersects(bounds)) return;
    // The canvas pixels are 0xFFRRGGBB, which is QImage's RGB32 layout: paint in place.
    QImage image(reinterpret_cast<uchar*>(canvas.Bits()), canvas.Width(), canvas.Height(),
                 canvas.Width() * 4, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        if (background) painter.fillRect(cell, QColor::fromRgb(*background));
        painter.setFont(MakeFont(font));
        painter.setPen(QColor::fromRgb(colour));
        painter.drawText(x, y + m.ascent(), s);
    }
    // Underline and italic overhang can pass the cell a little; mark generously.
    canvas.MarkDirty(
        {cell.left() - m.height(), cell.top(), cell.right() + m.height(), cell.bottom() + 2});
}

} // namespace pw
