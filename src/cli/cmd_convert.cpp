#include "cli/cli.h"
#include "cli/cli_arguments.h"
#include "cli/cli_editor.h"
#include "cli/cli_files.h"
#include "images/bm_file.h"
#include "images/convert_picture.h"
#include "images/image_info.h"
#include "images/load_image.h"
#include "images/picture_file.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/win1252.h"

namespace pw {

namespace {

// The image of the file, converted as the Image dialog converts it, but a picture that needs
// decoding is converted from its pixels straight away: no copy is written. None when it was
// refused; the reason has been printed.
const cImage* ConvertFile(ImageBank& images, const std::string& in, cImage& decoded) {
    PictureFile picture = ReadPictureFile(images, in);
    switch (picture.kind) {
    case PictureFile::Kind::Bitmap:
        return LoadImage(images, in);
    case PictureFile::Kind::Decoded:
        decoded.FileName = in;
        ConvertPicture(images, decoded, picture.picture);
        return &decoded;
    case PictureFile::Kind::Refused:
        break;
    }
    return nullptr;
}

} // namespace

int RunConvert(CliContext& context, const std::vector<std::string>& arguments) {
    const CommandArguments args(arguments, {{"--dither", nullptr}}, 2);
    const std::string& in = args.Files()[0];
    const std::string& out = args.Files()[1];
    // The editor keeps the image of a missing file, empty; here that is simply an error.
    RequireInputFile(in);
    RequireOutputFile(out);
    CliEditor cli(context);
    Editor& editor = cli.editor();
    editor.doc.images.Dither = args.Has("--dither");
    cImage decoded;
    const cImage* image = ConvertFile(editor.doc.images, in, decoded);
    if (!image) return kExitError;
    WriteFileAtomically(out, BitmapFileBytes(*image));
    context.out << Win1252ToUtf8(in) << " -> " << Win1252ToUtf8(out) << ":" << ImageInfoLine(*image) << '\n';
    return kExitOk;
}

} // namespace pw
