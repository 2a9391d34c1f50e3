#include "qt/qt_text_engine.h"

#include "platform/raster_canvas.h"
#include "qt/win1252.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <climits>

namespace pw {

namespace {

// The renderer switches between the fonts of its windows on every frame; this many stay
// measured.
constexpr std::size_t kFacesKept = 16;

// Each Windows-1252 byte as the one-character text Qt draws.
const QString& CharText(unsigned char c) {
    static const std::array<QString, 256> texts = [] {
        std::array<QString, 256> all;
        for (int i = 0; i < 256; ++i) all[i] = FromWin1252(std::string(1, static_cast<char>(i)));
        return all;
    }();
    return texts[c];
}

} // namespace

QFont QtTextEngine::MakeFont(const FontDesc& font) {
    QFont f(FromWin1252(font.face));
    f.setPixelSize(std::clamp(font.height, 1, kMaxFontHeight));
    f.setBold(font.style & fsBold);
    f.setItalic(font.style & fsItalic);
    f.setUnderline(font.style & fsUnderline);
    f.setStrikeOut(font.style & fsStrikeOut);
    // A character the face lacks is drawn as the face draws it, not borrowed from another
    // font: the font file then holds what the face holds, and no search through the system's
    // fonts is made for every control character of the standard set.
    f.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setKerning(false);
    return f;
}

QtTextEngine::Face::Face(const FontDesc& d) : desc(d), font(MakeFont(d)), metrics(font) {
    widths.fill(-1);
}

int QtTextEngine::Face::CellWidth(unsigned char c) {
    if (widths[c] < 0) {
        // Laid out as text, a tab takes a tab stop and a line break, page break or soft hyphen
        // nothing; every other character takes its glyph's advance, which Qt measures for a
        // single character without laying out text, and then thirty times as fast.
        const bool laidOut = c == '\t' || c == '\n' || c == '\f' || c == '\r' || c == 0xAD;
        const QString& text = CharText(c);
        widths[c] = std::max(0, laidOut ? metrics.horizontalAdvance(text)
                                        : metrics.horizontalAdvance(text.front()));
    }
    return widths[c];
}

QtTextEngine::Face& QtTextEngine::FaceOf(const FontDesc& font) {
    auto found = std::find_if(faces_.begin(), faces_.end(),
                              [&](const auto& face) { return face->desc == font; });
    if (found == faces_.end()) {
        if (faces_.size() == kFacesKept) faces_.pop_back();
        faces_.insert(faces_.begin(), std::make_unique<Face>(font));
    } else {
        std::rotate(faces_.begin(), found, found + 1);
    }
    return *faces_.front();
}

TextExtent QtTextEngine::Measure(const FontDesc& font, const std::string& text) {
    Face& face = FaceOf(font);
    long long width = 0;
    for (const char c : text) width += face.CellWidth(static_cast<unsigned char>(c));
    return {static_cast<int>(std::min<long long>(width, INT_MAX)), face.metrics.height()};
}

void QtTextEngine::Draw(RasterCanvas& canvas, const FontDesc& font, int x, int y,
                        const std::string& text, std::uint32_t colour,
                        std::optional<std::uint32_t> background) {
    if (canvas.Width() == 0 || canvas.Height() == 0) return;
    Face& face = FaceOf(font);
    const int height = face.metrics.height();
    if (static_cast<long long>(y) + height <= 0 || y >= canvas.Height()) return;
    // The canvas pixels are 0xFFRRGGBB, which is QImage's RGB32 layout: paint in place. The
    // painter is made only once a cell meets the canvas, and cells wholly off it are passed
    // over, so far-off coordinates from a hand-edited layout never reach Qt's fixed-point
    // glyph positions.
    QImage image;
    std::optional<QPainter> painter;
    long long left = x;
    Rect drawn;
    for (const char ch : text) {
        if (left >= canvas.Width()) break;
        const auto c = static_cast<unsigned char>(ch);
        const int width = face.CellWidth(c);
        const Rect& clip = canvas.Clip();
        const QRect cell(static_cast<int>(std::clamp<long long>(left, -width, canvas.Width())), y,
                         width, height);
        const QRect shown =
            cell.intersected(QRect(QPoint(clip.left, clip.top), QPoint(clip.right, clip.bottom)));
        if (width > 0 && left + width > 0 && !shown.isEmpty()) {
            if (!painter) {
                image = QImage(reinterpret_cast<uchar*>(canvas.Bits()), canvas.Width(),
                               canvas.Height(), canvas.Width() * 4, QImage::Format_RGB32);
                painter.emplace(&image);
                painter->setRenderHint(QPainter::TextAntialiasing, false);
                painter->setFont(face.font);
                painter->setPen(QColor::fromRgb(colour));
            }
            painter->setClipRect(shown);
            if (background) painter->fillRect(cell, QColor::fromRgb(*background));
            painter->drawText(cell.left(), y + face.metrics.ascent(), CharText(c));
            drawn = drawn.United({cell.left(), cell.top(), cell.right(), cell.bottom()});
        }
        left += width;
    }
    painter.reset();
    canvas.MarkDirty(drawn);
}

void QtTextEngine::DrawEachAlone(const FontDesc& font, std::string_view characters,
                                 const CellDrawn& drawn) {
    Face& face = FaceOf(font);
    const int height = face.metrics.height();
    int widest = 0;
    for (const char ch : characters)
        widest = std::max(widest, face.CellWidth(static_cast<unsigned char>(ch)));
    // One canvas and one painter for all, each character drawn where it is drawn alone: Qt
    // draws a large glyph from its outline, whose pixels can change with where it stands.
    RasterCanvas canvas(std::max(widest, 1), std::max(height, 1), 0xFFFFFFFF);
    QImage image(reinterpret_cast<uchar*>(canvas.Bits()), canvas.Width(), canvas.Height(),
                 canvas.Width() * 4, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(face.font);
    painter.setPen(QColor(Qt::black));
    for (const char ch : characters) {
        const auto c = static_cast<unsigned char>(ch);
        const QRect cell(0, 0, face.CellWidth(c), height);
        painter.setClipRect(cell);
        painter.fillRect(cell, QColor(Qt::white));
        painter.drawText(0, face.metrics.ascent(), CharText(c));
        drawn(c, canvas);
    }
}

std::string QtTextEngine::FaceSubstitute(const std::string& face) {
    const QString family = FromWin1252(face);
    if (QFontDatabase::hasFamily(family)) return "";
    // Faces the system maps to a stand-in of the same measures ("Arial" to Liberation Sans)
    // count as there. Any other face falls through to the system's default face, which a name
    // no font has shows.
    const auto drawnBy = [](const QString& name) {
        QFont font(name);
        font.setStyleStrategy(QFont::NoFontMerging);
        return QFontInfo(font).family();
    };
    static const QString fallback = drawnBy("Panelwright no such face");
    const QString substitute = drawnBy(family);
    return substitute == fallback ? ToWin1252(substitute) : "";
}

} // namespace pw
