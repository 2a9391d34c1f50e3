#include "shell/recovery.h"

#include "config/dcf_file.h"
#include "shell/layout_file.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/paths.h"

#include <algorithm>
#include <cctype>
#include <ctime>
#include <filesystem>
#include <optional>
#include <vector>

namespace fs = std::filesystem;

namespace pw {

namespace {

// A copy is a layout file with a few heading lines in front, which the layout reader skips
// as it skips every line outside a group.
constexpr std::string_view kHeading = "Panelwright recovery copy";
constexpr std::string_view kWrittenKey = "  Written = ";
constexpr std::string_view kFileKey = "  Layout file = ";
constexpr std::string_view kPrefix = "recovery-";
constexpr std::string_view kExtension = ".dcf";

std::string CopyName(int processId) {
    return std::string(kPrefix) + std::to_string(processId) + std::string(kExtension);
}

// The process a copy's file name names, or 0 when the name is not a copy's.
int ProcessOf(const std::string& name) {
    if (name.size() <= kPrefix.size() + kExtension.size() || !name.starts_with(kPrefix) ||
        !name.ends_with(kExtension))
        return 0;
    const std::string digits =
        name.substr(kPrefix.size(), name.size() - kPrefix.size() - kExtension.size());
    if (digits.size() > 9 || !std::all_of(digits.begin(), digits.end(),
                                          [](unsigned char c) { return std::isdigit(c) != 0; }))
        return 0;
    return std::stoi(digits);
}

struct LeftCopy {
    std::string path;
    std::string written;
    std::string layoutFileName;
};

// The heading of a copy, or nothing when the file is not a copy this program wrote.
std::optional<LeftCopy> ReadHeading(const std::string& path) {
    std::string bytes;
    try {
        bytes = ReadFileBytes(path, kMaxLayoutFileBytes);
    } catch (const Error&) {
        return std::nullopt;
    }
    DcfReader reader(bytes);
    std::string_view line;
    if (!reader.ReadLine(line) || line != kHeading) return std::nullopt;
    LeftCopy copy{path, {}, {}};
    while (reader.ReadLine(line) && !line.empty()) {
        if (StartsWith(line, kWrittenKey))
            copy.written = line.substr(kWrittenKey.size());
        else if (StartsWith(line, kFileKey))
            copy.layoutFileName = line.substr(kFileKey.size());
    }
    if (copy.written.empty()) return std::nullopt;
    return copy;
}

std::string TimeText(const std::tm& t) {
    char text[32];
    return std::string(text, std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &t));
}

void RemoveFile(const std::string& path) {
    std::error_code ignored;
    fs::remove(MapPath(path), ignored);
}

} // namespace

RecoveryCopy::RecoveryCopy(Editor& editor, std::string folder, int processId)
    : AttachedObserver(editor.observers), editor_(editor), folder_(std::move(folder)),
      processId_(processId), path_(folder_ + "/" + CopyName(processId)) {}

void RecoveryCopy::Update(std::chrono::steady_clock::time_point now) {
    // Before the first layout is made there is nothing to keep.
    // Nor while a long command holds the layout half-way.
    if (editor_.doc.layout.WindowList.empty() || editor_.run.TimerBusy) return;
    if (!HasUnsavedChanges(editor_.doc)) {
        Remove();
        return;
    }
    if (!written_.empty() && now - writtenAt_ < kRecoveryInterval) return;
    std::string text = WriteLayoutText(editor_.doc.layout);
    if (text == written_) return;
    std::string file = std::string(kHeading) + "\r\n" + std::string(kWrittenKey) +
                       TimeText(editor_.run.LocalTime()) + "\r\n";
    // A name that would break the heading's lines is not kept; the layout itself is.
    const std::string& name = editor_.doc.LayoutFileName;
    if (name.find_first_of("\r\n") == std::string::npos)
        file += std::string(kFileKey) + name + "\r\n";
    file += "\r\n" + text;
    try {
        CreateFolders(folder_);
        WriteFileAtomically(path_, file);
    } catch (const IoError& error) {
        if (!failureReported_)
            editor_.host.ShowMessage(std::string("The recovery copy of the layout cannot be "
                                                 "written: ") +
                                     error.what() + " Until this is put right, save often.");
        failureReported_ = true;
        return;
    }
    failureReported_ = false;
    written_ = std::move(text);
    writtenAt_ = now;
}

void RecoveryCopy::Remove() {
    // Only a copy this run wrote: one of an earlier run with the same process id waits for
    // its offer.
    if (written_.empty()) return;
    written_.clear();
    RemoveFile(path_);
}

void RecoveryCopy::OfferLeftCopies(const std::function<bool(int processId)>& running) {
    std::vector<LeftCopy> copies;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(MapPath(folder_), ec)) {
        const std::string name = entry.path().filename().string();
        const int id = ProcessOf(name);
        // A copy named after this run's process is one left by an earlier run whose id
        // came round again, unless this run wrote it.
        const bool own = id == processId_;
        if (id == 0 || (own && !written_.empty()) || (!own && running(id))) continue;
        if (auto copy = ReadHeading(folder_ + "/" + name)) copies.push_back(std::move(*copy));
    }
    std::sort(copies.begin(), copies.end(),
              [](const LeftCopy& a, const LeftCopy& b) { return a.written > b.written; });
    for (const LeftCopy& copy : copies) {
        if (editor_.host.Ask("Recover the unsaved layout of " + copy.written + "?",
                             Buttons::YesNo) != Answer::Yes) {
            RemoveFile(copy.path);
            continue;
        }
        try {
            OpenLayout(editor_, copy.path, copy.layoutFileName);
        } catch (const Error& error) {
            // Kept, it would fail again at every start and hide the copies after it.
            editor_.host.ShowMessage(std::string("The recovery copy cannot be read: ") +
                                     error.what());
            RemoveFile(copy.path);
            continue;
        }
        editor_.doc.history.MarkUnsaved();
        // This run's copy takes over; the left one goes only once it has.
        Update(std::chrono::steady_clock::now());
        if (!written_.empty() && copy.path != path_) RemoveFile(copy.path);
        return;
    }
}

} // namespace pw
