#include "cli/picture_file.h"

#include "platform/errors.h"
#include "platform/paths.h"

#include <QImage>
#include <QString>

namespace pw {

void CheckPictureSize(long long width, long long height, const std::string& what) {
    if (width < 1 || height < 1)
        throw FormatError("The " + what + " holds no picture; nothing was written.");
    if (width > kMaxPicturePixels / height)
        throw FormatError("The picture of the " + what + " is too large to draw (" +
                          std::to_string(width) + " x " + std::to_string(height) + " pixels).");
}

void SavePicture(const RasterCanvas& canvas, const std::string& path) {
    const QImage picture(reinterpret_cast<const uchar*>(canvas.Bits()), canvas.Width(),
                         canvas.Height(), canvas.Width() * 4, QImage::Format_RGB32);
    if (!picture.save(QString::fromStdString(MapPath(path).string()), "PNG"))
        throw IoError("Cannot write the picture \"" + path + "\".");
}

} // namespace pw
