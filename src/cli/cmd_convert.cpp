#include "cli/cli.h"
#include "cli/cli_arguments.h"
#include "cli/cli_editor.h"
#include "cli/cli_files.h"
#include "images/bm_file.h"
#include "images/image_info.h"
#include "images/load_image.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/win1252.h"

namespace pw {

int RunConvert(CliContext& context, const std::vector<std::string>& arguments) {
    const CommandArguments args(arguments, {{"--dither", nullptr}}, 2);
    const std::string& in = args.Files()[0];
    const std::string& out = args.Files()[1];
    // The editor keeps the image of a missing file, empty; here that is simply an error.
    RequireInputFile(in);
    RequireOutputFile(out);
    CliEditor cli(context);
    Editor& editor = cli.editor();
    editor.images.Dither = args.Has("--dither");
    const cImage* image = LoadImage(editor.images, in);
    if (!image) return kExitError; // refused; the reason has been printed
    WriteFileAtomically(out, BitmapFileBytes(*image));
    context.out << Win1252ToUtf8(in) << " -> " << Win1252ToUtf8(out) << ":" << ImageInfoLine(*image) << '\n';
    return kExitOk;
}

} // namespace pw
