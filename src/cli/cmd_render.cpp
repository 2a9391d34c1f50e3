#include "cli/cli.h"
#include "cli/cli_arguments.h"
#include "cli/cli_editor.h"
#include "cli/cli_files.h"
#include "cli/clock_time.h"
#include "cli/pending_redraw.h"
#include "qt/layout_picture.h"
#include "shell/timer_step.h"
#include "shell/view_modes.h"

#include <optional>

namespace pw {

int RunRender(CliContext& context, const std::vector<std::string>& arguments) {
    const CommandArguments args(arguments,
                                {{"--view", "design|static|dynamic"},
                                 {"--ticks", "N"},
                                 {"--time", "YYYY-MM-DDTHH:MM"}},
                                2);
    const std::vector<std::string>& files = args.Files();
    std::optional<ViewKind> view;
    if (const auto v = args.Value("--view")) {
        if (*v == "design") view = vmDesign;
        else if (*v == "static") view = vmStatic;
        else if (*v == "dynamic") view = vmDynamic;
        else throw UsageError("--view wants design, static or dynamic, not '" + *v + "'");
    }
    const int ticks = args.Count("--ticks").value_or(0);
    std::optional<std::tm> clock;
    if (const auto t = args.Value("--time")) {
        clock = ClockTime(*t);
        if (!clock) throw UsageError("--time wants YYYY-MM-DDTHH:MM[:SS], not '" + *t + "'");
    }
    RequireOutputFile(files[1]);
    CliEditor cli(context, CliEditor::Canvas::Drawn);
    cli.Load(files[0]);
    Editor& editor = cli.editor();
    if (clock) editor.run.LocalTime = [time = *clock] { return time; };
    // The picture shows the view asked for, by default the one the ticks ran in.
    const ViewKind shown = view.value_or(ticks > 0 ? vmDynamic : vmDesign);
    // Played as the editor plays it: the View Control dialog's Dynamic view before the first
    // tick, then one tick a second, each followed by the paint it asked for. Mats drawn by a
    // paint restart the generator the lift draws its trips from, so the paints must come
    // where the editor's come.
    PendingRedraw canvas(editor);
    if (ticks > 0) {
        SetViewMode(editor.view, vmDynamic);
        canvas.Paint();
        for (int t = 0; t < ticks; ++t) {
            TimerStep(editor);
            canvas.Paint();
        }
    }
    if (ticks == 0 || shown != vmDynamic) {
        SetViewMode(editor.view, shown);
        canvas.Paint();
    }
    SaveLayoutPicture(editor, files[1]);
    return kExitOk;
}

} // namespace pw
