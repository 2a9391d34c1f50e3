#include "shell/generate_files.h"

#include "shell/layout_file.h"
#include "generate/deployment.h"
#include "generate/deployment_record.h"
#include "generate/display_backup.h"
#include "generate/display_drawing.h"
#include "generate/file_changes.h"
#include "generate/generate_fonts.h"
#include "generate/target_folder.h"

#include "platform/background.h"
#include "platform/errors.h"

#include <ctime>
#include <future>
#include <utility>

namespace pw {

namespace {

// The layout in the editor takes the font file names the deployed one holds.
void TakeFontFileNames(Editor& editor, PreparedDisplay& prepared) {
    auto& windows = editor.doc.layout.WindowList;
    for (std::size_t i = 0; i < windows.size() && i < prepared.layout.WindowList.size(); ++i)
        windows[i]->FntFile = prepared.layout.WindowList[i]->FntFile;
    editor.doc.FontFileList = std::move(prepared.fonts);
}

} // namespace

std::string GenerateSummary(const GenerateReport& report) {
    if (report.target.empty()) return "No display files written";
    return std::to_string(report.filesWritten) +
           (report.filesWritten == 1 ? " file written to " : " files written to ") + report.target;
}

namespace {

// A generation once its files are made, before anything is written.
struct Generation {
    std::string target;
    std::optional<PreparedDisplay> prepared; // none for a target outside the display folder
    std::future<void> screens; // while the check's screens are given their size
};

// The two screens the check draws at every deployment, kept for the next one: fresh memory
// of a screen's size costs more than drawing most layouts on it. Screens far beyond the usual
// sizes give their memory back.
constexpr long kMaxKeptPixels = 2048L * 2048L;
struct CheckCanvases {
    RasterCanvas preview, shown;
};
CheckCanvases& KeptCanvases() {
    thread_local CheckCanvases canvases;
    return canvases;
}

Generation Prepare(Editor& editor, Progress& progress) {
    const cInputSpec& job = editor.doc.layout.InputSpec;
    Generation g{TargetFolder(job), std::nullopt, {}};
    if (!TargetStaysInside(job)) return g;
    ProgressScope scope(progress, "Making the display files");
    ProgressSteps steps(progress, static_cast<long>(FontFileCount(editor.doc.layout)));
    g.prepared =
        PrepareDisplayFiles(editor.textEngine, editor.doc.layout, editor.doc.images.ImageList, steps);
    return g;
}

// The files made for a deployment. New screens for its check, or screens of another size,
// take their memory on a thread of their own while the files are made: touching it first
// costs a page fault for every 4 KB.
Generation PrepareToDeploy(Editor& editor, Progress& progress) {
    std::future<void> screens;
    CheckCanvases& canvases = KeptCanvases();
    const CanvasSize size = DisplayCanvasSize(editor.doc.layout);
    if (canvases.preview.Width() != size.width || canvases.preview.Height() != size.height)
        screens = std::async(std::launch::async, [&canvases, size] {
            canvases.preview.Resize(size.width, size.height);
            canvases.shown.Resize(size.width, size.height);
        });
    Generation g = Prepare(editor, progress);
    g.screens = std::move(screens);
    return g;
}

// The display must show what the Static view shows: the staged files, drawn by themselves,
// against the layout drawn with the editor's fonts and images.
void CheckDrawing(const Layout& layout, Editor& editor, const std::string& staged,
                  DecodedDisplayFiles& decoded) {
    CheckCanvases& canvases = KeptCanvases();
    DrawDisplayOn(canvases.preview, layout, editor.doc.images.ImageList, editor.textEngine,
                  editor.run.calendarNames, {});
    DisplayFolder folder = DisplayFolderOf(std::move(decoded), staged);
    DrawDisplayOn(canvases.shown, folder.layout, folder.images, folder.fonts,
                  editor.run.calendarNames, {});
    const std::string differences = DrawingDifferences(layout, canvases.preview, canvases.shown);
    if (static_cast<long>(canvases.preview.Width()) * canvases.preview.Height() > kMaxKeptPixels)
        canvases = {};
    if (!differences.empty())
        throw FormatError("Drawn from its files, the display would not show what the Static "
                          "view shows: " +
                          differences + ".");
}

GenerateReport Deploy(Editor& editor, Generation& g, Progress& progress, Hasher& hasher,
                      DeployFs& fs) {
    GenerateReport report;
    if (!g.prepared) {
        editor.host.ShowMessage("Cannot create " + g.target);
        report.complete = false;
        if (!editor.doc.LayoutFileName.empty()) SaveLayout(editor.doc, editor.doc.LayoutFileName);
        return report;
    }
    PreparedDisplay& prepared = *g.prepared;
    if (!prepared.programProblem.empty()) {
        editor.host.ShowMessage(prepared.programProblem);
        report.complete = false;
    }
    {
        ProgressScope scope(progress, "Putting the display files in " + g.target);
        DeployTarget deploy;
        deploy.folder = g.target;
        DeploymentRecord record =
            NewRecord(editor.doc.LayoutFileName, g.target, std::time(nullptr));
        deploy.recordPath = record.path;
        // The digests are made in the background while the files are staged, read back
        // and checked: the record's text is needed only then.
        std::future<void> digests =
            RunInBackground([&] { RecordFiles(record, prepared.files, hasher); });
        // They are made from the files and into the record: they end before either goes.
        struct AwaitDigests {
            std::future<void>& digests;
            ~AwaitDigests() {
                if (digests.valid()) digests.wait();
            }
        } awaitDigests{digests};
        deploy.recordText = [&] {
            digests.get();
            return RecordText(record);
        };
        const cInputSpec& job = editor.doc.layout.InputSpec;
        deploy.checkStaged = [&](const std::string& staged, DecodedDisplayFiles& decoded) {
            if (g.screens.valid()) g.screens.get();
            CheckDrawing(prepared.layout, editor, staged, decoded);
        };
        if (job.SubDirectory.empty() && job.NetIDs.empty())
            deploy.planBackup = [&] { return PlanBackup(editor.host, editor.run.calendarNames); };
        DeployFiles(prepared.files, deploy, fs, progress);
    }
    report.target = g.target;
    report.filesWritten = static_cast<int>(prepared.files.size());
    TakeFontFileNames(editor, prepared);
    if (!editor.doc.LayoutFileName.empty()) SaveLayout(editor.doc, editor.doc.LayoutFileName);
    for (const std::string& message : prepared.unshown) editor.host.ShowMessage(message);
    return report;
}

std::string Details(const Generation& g) {
    return g.prepared ? ChangesText(g.target, ChangesIn(g.target, g.prepared->files)) : "";
}

} // namespace

GenerateReport GenerateFiles(Editor& editor, Progress& progress, Hasher& hasher, DeployFs& fs) {
    Generation g = PrepareToDeploy(editor, progress);
    return Deploy(editor, g, progress, hasher, fs);
}

std::string PlannedChanges(Editor& editor, Progress& progress) {
    const Generation g = Prepare(editor, progress);
    if (!g.prepared) throw IoError("Cannot create " + g.target);
    return Details(g);
}

bool CanGenerateFiles(const Document& doc) {
    return !doc.LayoutFileName.empty();
}

std::optional<GenerateReport> Generatefiles1Click(Editor& editor, Progress& progress,
                                                  Hasher& hasher) {
    if (!CanGenerateFiles(editor.doc)) return std::nullopt;
    // The command runs to its end before the editor goes on: its questions and progress let
    // events through, but no timer step and no recovery copy may see the layout half-way.
    // The timer keeps ticking and counting, as while a step runs long; only its steps wait.
    struct HoldTimer {
        Editor& editor;
        bool was = std::exchange(editor.run.TimerBusy, true);
        ~HoldTimer() { editor.run.TimerBusy = was; }
    } hold{editor};
    // The files are made first, so that the question can tell what they change.
    Generation g = PrepareToDeploy(editor, progress);
    if (editor.host.AskWithDetails("This will reconfigure the connected displays. CONTINUE ?",
                                   Buttons::YesNo, Details(g)) != Answer::Yes)
        return std::nullopt;
    return Deploy(editor, g, progress, hasher, DiskFs());
}

} // namespace pw
