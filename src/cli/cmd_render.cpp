#include "cli/cli.h"
#include "cli/cli_editor.h"
#include "display/int_text.h"
#include "platform/win1252.h"
#include "qt/layout_picture.h"
#include "shell/timer_step.h"

#include <optional>

namespace pw {

int RunRender(CliContext& context, const std::vector<std::string>& arguments) {
    std::vector<std::string> files;
    std::optional<std::uint8_t> view;
    int ticks = 0;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if ((a == "--view" || a == "--ticks") && i + 1 == arguments.size()) {
            context.err << "panelwright-cli render: " << a << " needs a value\n";
            return kExitUsage;
        }
        if (a == "--view") {
            const std::string& v = arguments[++i];
            if (v == "design") view = vmDesign;
            else if (v == "static") view = vmStatic;
            else if (v == "dynamic") view = vmDynamic;
            else {
                context.err << "panelwright-cli render: unknown view '" << v << "'\n";
                return kExitUsage;
            }
        } else if (a == "--ticks") {
            ticks = StrToInt(arguments[++i]);
            if (ticks < 0) {
                context.err << "panelwright-cli render: --ticks must not be negative\n";
                return kExitUsage;
            }
        } else {
            files.push_back(a);
        }
    }
    if (files.size() != 2) {
        context.err << "Usage: panelwright-cli render LAYOUT.dcf OUT.png [--view design|static|"
                       "dynamic] [--ticks N]\n";
        return kExitUsage;
    }
    CliEditor cli(context);
    cli.Load(files[0]);
    Editor& editor = cli.editor();
    // Ticks play the Dynamic view; the picture shows the view asked for, by default the one
    // the ticks ran in.
    editor.ViewMode = vmDynamic;
    for (int t = 0; t < ticks; ++t) TimerStep(editor);
    editor.ViewMode = view.value_or(ticks > 0 ? std::uint8_t{vmDynamic} : std::uint8_t{vmDesign});
    // The argument is UTF-8; the editor's paths are Windows-1252.
    SaveLayoutPicture(editor, Utf8ToWin1252(files[1]));
    return kExitOk;
}

} // namespace pw
