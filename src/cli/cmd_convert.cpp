#include "cli/cli.h"
#include "cli/cli_editor.h"
#include "images/bm_file.h"
#include "images/image_info.h"
#include "images/load_image.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/win1252.h"

namespace pw {

int RunConvert(CliContext& context, const std::vector<std::string>& arguments) {
    std::vector<std::string> files;
    bool dither = false;
    for (const std::string& a : arguments) {
        if (a == "--dither")
            dither = true;
        else
            files.push_back(a);
    }
    if (files.size() != 2) {
        context.err << "Usage: panelwright-cli convert IN.bmp OUT.bm [--dither]\n";
        return kExitUsage;
    }
    const std::string& in = files[0];
    const std::string& out = files[1];
    // The editor keeps the image of a missing file, empty; here that is simply an error.
    if (!FileExists(in)) throw IoError("The file \"" + in + "\" does not exist.");
    CliEditor cli(context);
    Editor& editor = cli.editor();
    editor.doc.images.Dither = dither;
    const cImage* image = LoadImage(editor.doc.images, in);
    if (!image) return kExitError; // refused; the reason has been printed
    WriteFileAtomically(out, BitmapFileBytes(*image));
    context.out << Win1252ToUtf8(in) << " -> " << Win1252ToUtf8(out) << ":" << ImageInfoLine(*image) << '\n';
    return kExitOk;
}

} // namespace pw
