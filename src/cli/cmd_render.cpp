#include "cli/cli.h"
#include "cli/cli_editor.h"
#include "cli/clock_time.h"
#include "cli/pending_redraw.h"
#include "display/int_text.h"
#include "platform/errors.h"
#include "qt/layout_picture.h"
#include "shell/timer_step.h"
#include "shell/view_modes.h"

#include <optional>

namespace pw {

int RunRender(CliContext& context, const std::vector<std::string>& arguments) {
    std::vector<std::string> files;
    std::optional<ViewKind> view;
    std::optional<std::tm> clock;
    int ticks = 0;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if ((a == "--view" || a == "--ticks" || a == "--time") && i + 1 == arguments.size()) {
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
        } else if (a == "--time") {
            clock = ClockTime(arguments[++i]);
            if (!clock) {
                context.err << "panelwright-cli render: --time wants YYYY-MM-DDTHH:MM[:SS], not '"
                            << arguments[i] << "'\n";
                return kExitUsage;
            }
        } else {
            files.push_back(a);
        }
    }
    if (files.size() != 2) {
        context.err << "Usage: panelwright-cli render LAYOUT.dcf OUT.png [--view design|static|"
                       "dynamic] [--ticks N] [--time YYYY-MM-DDTHH:MM]\n";
        return kExitUsage;
    }
    CliEditor cli(context);
    cli.Load(files[0]);
    Editor& editor = cli.editor();
    if (clock) editor.LocalTime = [time = *clock] { return time; };
    // The picture shows the view asked for, by default the one the ticks ran in.
    const ViewKind shown = view.value_or(ticks > 0 ? vmDynamic : vmDesign);
    // Played as the editor plays it: the View Control dialog's Dynamic view before the first
    // tick, then one tick a second, each followed by the paint it asked for. Mats drawn by a
    // paint restart the generator the lift draws its trips from, so the paints must come
    // where the editor's come.
    PendingRedraw canvas(editor);
    if (ticks > 0) {
        SetViewMode(editor, vmDynamic);
        canvas.Paint();
        for (int t = 0; t < ticks; ++t) {
            TimerStep(editor);
            canvas.Paint();
        }
    }
    if (ticks == 0 || shown != vmDynamic) {
        SetViewMode(editor, shown);
        canvas.Paint();
    }
    SaveLayoutPicture(editor, files[1]);
    return kExitOk;
}

} // namespace pw
