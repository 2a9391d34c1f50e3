#include "shell/generate_files.h"

#include "shell/layout_file.h"
#include "generate/display_backup.h"
#include "generate/generate_fonts.h"
#include "generate/target_folder.h"
#include "images/bm_file.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/folders.h"

#include <set>
#include <utility>

namespace pw {

namespace {

constexpr const char* kDisplayProgramName = "Display.axf";
// The backup, the deleting, the program, the bitmaps and the layout; then one per font.
constexpr long kStepsBesideFonts = 5;

bool MakeFolder(const std::string& folder) {
    try {
        CreateFolders(folder);
        return true;
    } catch (const IoError&) {
        return false;
    }
}

// Fills the target folder; returns what the fonts' characters leave unshown.
std::vector<std::string> Deploy(Editor& editor, const std::string& target, ProgressSteps& steps,
                                GenerateReport& report) {
    std::set<std::string> written;
    steps.Next("Deleting the files in " + target);
    DeleteFilesIn(target);

    steps.Next(std::string("Copying ") + kDisplayProgram);
    if (!FileExists(kDisplayProgram)) {
        editor.host.ShowMessage(std::string("The display executable file - ") + kDisplayProgram +
                                " - is missing.");
        report.complete = false;
    } else {
        // A display folder without its program is no deployment: a copy that fails is told
        // as a missing program is, and the run does not count as complete.
        try {
            CopyFileAtomically(kDisplayProgram, target + kDisplayProgramName);
            written.insert(kDisplayProgramName);
        } catch (const IoError& error) {
            editor.host.ShowMessage(error.what());
            report.complete = false;
        }
    }

    steps.Next("Writing the bitmaps");
    WriteAllBitmaps(editor.doc.images.ImageList, target);
    for (const auto& image : editor.doc.images.ImageList.Images())
        written.insert(BitmapFileName(image->FileName));

    std::vector<std::string> unshown = GenerateFonts(editor.doc.layout, editor.doc.FontFileList, editor.textEngine, target, steps);
    for (const cFontFile& font : editor.doc.FontFileList) written.insert(font.FileName + ".fnt");

    steps.Next(std::string("Writing ") + kDisplayConfigName);
    SaveLayout(editor, target + kDisplayConfigName);
    written.insert(kDisplayConfigName);

    report.target = target;
    report.filesWritten = static_cast<int>(written.size());
    return unshown;
}

} // namespace

std::string GenerateSummary(const GenerateReport& report) {
    if (report.target.empty()) return "No display files written";
    return std::to_string(report.filesWritten) +
           (report.filesWritten == 1 ? " file written to " : " files written to ") + report.target;
}

GenerateReport GenerateFiles(Editor& editor, Progress& progress) {
    ProgressScope scope(progress, "Generating the display files");
    const cInputSpec& job = editor.doc.layout.InputSpec;
    const std::string target = TargetFolder(job);
    GenerateReport report;
    std::vector<std::string> unshown;
    if (TargetStaysInside(job)) {
        ProgressSteps steps(progress,
                            kStepsBesideFonts + static_cast<long>(CheckLayoutFonts(editor.textEngine, editor.doc.layout)));
        steps.Next(std::string("Backing up ") + kDisplayFolder);
        if (job.SubDirectory.empty() && job.NetIDs.empty()) BackupDisplayFolder(editor.host, editor.run.calendarNames);
        if (MakeFolder(target)) unshown = Deploy(editor, target, steps, report);
    }
    if (report.target.empty()) {
        editor.host.ShowMessage("Cannot create " + target);
        report.complete = false;
    }
    if (!editor.doc.LayoutFileName.empty()) SaveLayout(editor, editor.doc.LayoutFileName);
    for (const std::string& message : unshown) editor.host.ShowMessage(message);
    return report;
}

std::optional<GenerateReport> Generatefiles1Click(Editor& editor, Progress& progress) {
    if (editor.doc.LayoutFileName.empty()) return std::nullopt;
    // The command runs to its end before the editor goes on: its questions and progress let
    // events through, but no timer step and no recovery copy may see the layout half-way.
    // The timer keeps ticking and counting, as while a step runs long; only its steps wait.
    struct HoldTimer {
        Editor& editor;
        bool was = std::exchange(editor.run.TimerBusy, true);
        ~HoldTimer() { editor.run.TimerBusy = was; }
    } hold{editor};
    if (editor.host.Ask("This will reconfigure the connected displays. CONTINUE ?",
                        Buttons::YesNo) != Answer::Yes)
        return std::nullopt;
    return GenerateFiles(editor, progress);
}

} // namespace pw
