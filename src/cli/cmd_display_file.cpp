#include "cli/cli.h"
#include "cli/commands.h"
#include "images/bm_file.h"
#include "images/paint_image.h"
#include "images/run_walk.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "display/colour.h"

#include <QImage>
#include <QString>

#include <algorithm>
#include <cctype>

namespace pw {

namespace {

// .bm files are small; anything far larger is no display bitmap.
constexpr std::size_t kMaxBmFileBytes = std::size_t{1} << 30;
// Pictures are drawn in memory first; beyond this many pixels that is refused.
constexpr long long kMaxPicturePixels = 1LL << 26;

bool HasExtension(const std::string& path, const std::string& ext) {
    const std::size_t dot = ExtensionPos(path);
    if (dot == std::string::npos) return false;
    std::string found = path.substr(dot);
    std::transform(found.begin(), found.end(), found.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return found == ext;
}

// The picture as a display shows it: colour codes in their colours, the transparent code
// left in the face colour, and a two-colour image's set pixels white on black.
void WritePicture(const cImage& image, const std::string& path) {
    if (image.Width < 1 || image.Height < 1)
        throw FormatError("The image holds no picture; nothing was written to " + path + ".");
    if (static_cast<long long>(image.Width) * image.Height > kMaxPicturePixels)
        throw FormatError("The picture is too large to draw (" + std::to_string(image.Width) +
                          " x " + std::to_string(image.Height) + " pixels).");
    RasterCanvas canvas(image.Width, image.Height, kButtonFace);
    PaintImage(image, 0, 0, canvas, 0, kWhiteCode);
    const QImage picture(reinterpret_cast<const uchar*>(canvas.Bits()), canvas.Width(),
                         canvas.Height(), canvas.Width() * 4, QImage::Format_RGB32);
    if (!picture.save(QString::fromStdString(MapPath(path).string()), "PNG"))
        throw IoError("Cannot write the picture \"" + path + "\".");
}

} // namespace

int RunInspect(CliContext& context, const std::vector<std::string>& arguments) {
    std::vector<std::string> files;
    std::string png;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] != "--png") {
            files.push_back(arguments[i]);
        } else if (i + 1 < arguments.size()) {
            png = arguments[++i];
        } else {
            context.err << "panelwright-cli inspect: --png needs a file name\n";
            return kExitUsage;
        }
    }
    if (files.size() != 1) {
        context.err << "Usage: panelwright-cli inspect FILE.bm [--png OUT.png]\n";
        return kExitUsage;
    }
    const std::string& path = files[0];
    if (HasExtension(path, ".fnt")) {
        context.err << "panelwright-cli inspect: font files (.fnt) cannot be inspected yet; "
                       "only display bitmaps (.bm).\n";
        return kExitError;
    }
    if (!FileExists(path)) throw IoError("The file \"" + path + "\" does not exist.");
    const cImage image = ParseBitmapFile(ReadFileBytes(path, kMaxBmFileBytes), path);
    context.out << path << '\n'
                << "  Width       = " << image.Width << '\n'
                << "  Height      = " << image.Height << '\n'
                << "  Bits        = " << image.Bits << '\n'
                << "  Transparent = " << image.Transparent << '\n'
                << "  Spare       = " << image.Spare << '\n'
                << "  Data        = " << image.DataLength() << " bytes\n";
    const RunWalkResult walk = WalkRuns(image, [](int, int, int, int) {});
    if (walk.rowsEnded != image.Height || walk.bytesUsed != image.Data.size())
        throw FormatError("The run data of " + path +
                          " is damaged: " + std::to_string(walk.rowsEnded) + " of its " +
                          std::to_string(image.Height) + " rows end properly, " +
                          std::to_string(walk.bytesUsed) + " of " +
                          std::to_string(image.Data.size()) + " bytes are read.");
    if (!png.empty()) WritePicture(image, png);
    return kExitOk;
}

} // namespace pw
