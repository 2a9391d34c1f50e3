#include "qt/qt_picture_decoder.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

namespace pw {

namespace {

bool Fits(const QSize& size, int maxSide) {
    return size.width() <= maxSide && size.height() <= maxSide;
}

// Laid on black: each component times alpha / 255, rounded to the nearest.
std::uint8_t OnBlack(int component, int alpha) {
    return static_cast<std::uint8_t>((component * alpha + 127) / 255);
}

DecodedPicture BlueGreenRed(const QImage& decoded) {
    const QImage image = decoded.convertToFormat(QImage::Format_ARGB32);
    DecodedPicture picture;
    picture.Width = image.width();
    picture.Height = image.height();
    picture.Pixels.resize(3 * static_cast<std::size_t>(image.width()) *
                          static_cast<std::size_t>(image.height()));
    std::uint8_t* out = picture.Pixels.data();
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = row[x];
            const int alpha = qAlpha(p);
            *out++ = OnBlack(qBlue(p), alpha);
            *out++ = OnBlack(qGreen(p), alpha);
            *out++ = OnBlack(qRed(p), alpha);
        }
    }
    return picture;
}

} // namespace

PictureDecoding QtPictureDecoder::Decode(std::string_view bytes, int maxSide) {
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    PictureDecoding result;
    if (!reader.canRead()) return result;
    if (const QSize claimed = reader.size(); claimed.isValid()) {
        result.width = claimed.width();
        result.height = claimed.height();
        if (!Fits(claimed, maxSide)) {
            result.result = PictureDecoding::Result::TooLarge;
            return result;
        }
    }
    const QImage image = reader.read();
    if (image.isNull()) return result;
    result.width = image.width();
    result.height = image.height();
    if (!Fits(image.size(), maxSide)) {
        result.result = PictureDecoding::Result::TooLarge;
        return result;
    }
    result.result = PictureDecoding::Result::Decoded;
    result.picture = BlueGreenRed(image);
    return result;
}

} // namespace pw
