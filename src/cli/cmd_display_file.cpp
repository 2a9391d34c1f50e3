#include "cli/cli.h"
#include "cli/cli_arguments.h"
#include "cli/cli_files.h"
#include "cli/commands.h"
#include "cli/inspect_font.h"
#include "cli/picture_file.h"
#include "display/colour.h"
#include "images/bm_file.h"
#include "images/paint_image.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/win1252.h"

#include <algorithm>
#include <cctype>

namespace pw {

namespace {

// .bm files are small; anything far larger is no display bitmap.
constexpr std::size_t kMaxBmFileBytes = std::size_t{1} << 30;

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
    CheckPictureSize(image.Width, image.Height, "image");
    RasterCanvas canvas(image.Width, image.Height, kButtonFace);
    PaintImage(image, 0, 0, canvas, 0, kWhiteCode);
    SavePicture(canvas, path);
}

void InspectBitmapFile(CliContext& context, const std::string& path, const std::string& png) {
    const cImage image = ParseBitmapFile(ReadFileBytes(path, kMaxBmFileBytes), path);
    context.out << Win1252ToUtf8(path) << '\n'
                << "  Width       = " << image.Width << '\n'
                << "  Height      = " << image.Height << '\n'
                << "  Bits        = " << image.Bits << '\n'
                << "  Transparent = " << image.Transparent << '\n'
                << "  Spare       = " << image.Spare << '\n'
                << "  Data        = " << image.DataLength() << " bytes\n";
    CheckRunData(image, path);
    if (!png.empty()) WritePicture(image, png);
}

} // namespace

int RunInspect(CliContext& context, const std::vector<std::string>& arguments) {
    const CommandArguments args(arguments, {{"--png", "OUT.png"}}, 1);
    const std::string& path = args.Files()[0];
    const std::string png = args.Value("--png").value_or("");
    RequireInputFile(path);
    if (!png.empty()) RequireOutputFile(png);
    if (HasExtension(path, ".fnt"))
        InspectFontFile(context, path, png);
    else
        InspectBitmapFile(context, path, png);
    return kExitOk;
}

} // namespace pw
