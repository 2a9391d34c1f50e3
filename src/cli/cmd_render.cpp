#include "cli/cli.h"
#include "cli/cli_arguments.h"
#include "cli/cli_editor.h"
#include "cli/cli_files.h"
#include "cli/pending_redraw.h"
#include "qt/layout_picture.h"
#include "shell/timer_step.h"
#include "shell/view_modes.h"

#include <QDateTime>

#include <optional>

namespace pw {

namespace {

// "2026-03-14T09:05" or "2026-03-14 09:05", seconds optional, as the local time of the clocks.
std::optional<std::tm> ClockTime(const std::string& text) {
    QString iso = QString::fromStdString(text);
    iso.replace(' ', 'T');
    const QDateTime t = QDateTime::fromString(iso, Qt::ISODate);
    if (!t.isValid()) return std::nullopt;
    std::tm time{};
    time.tm_year = t.date().year() - 1900;
    time.tm_mon = t.date().month() - 1;
    time.tm_mday = t.date().day();
    time.tm_wday = t.date().dayOfWeek() % 7; // Qt counts Sunday as 7
    time.tm_yday = t.date().dayOfYear() - 1;
    time.tm_hour = t.time().hour();
    time.tm_min = t.time().minute();
    time.tm_sec = t.time().second();
    time.tm_isdst = -1;
    return time;
}

} // namespace

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
    CliEditor cli(context);
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
