#include "generate/deployment_record.h"

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/local_time.h"
#include "platform/paths.h"

#include <algorithm>

namespace pw {

namespace {

constexpr const char* kFirstLine = "Panelwright deployment";
constexpr std::size_t kMaxRecordBytes = 4u << 20;

std::string Stamp(const std::tm& t, const char* format) {
    char text[32];
    return std::string(text, std::strftime(text, sizeof text, format, &t));
}

std::string Value(const std::string& line, const std::string& key) {
    return line.starts_with(key + " = ") ? line.substr(key.size() + 3) : std::string();
}

} // namespace

std::string RecordsFolder() {
    return StateFolder() + "/deployments/";
}

DeploymentRecord NewRecord(const std::string& layoutFile, const std::string& target,
                           std::time_t now) {
    const std::tm local = LocalTimeOf(now);
    DeploymentRecord record{{}, Stamp(local, "%Y-%m-%d %H:%M:%S"), layoutFile, target, PW_VERSION,
                            {}};
    // Names sort as the records were made; a second record in the same second takes the next
    // free number.
    const std::string base = RecordsFolder() + Stamp(local, "%Y%m%dT%H%M%S");
    for (int n = 0;; ++n) {
        std::string number = std::to_string(n);
        record.path = base + "-" + std::string(3 - std::min<std::size_t>(3, number.size()), '0') +
                      number + ".txt";
        if (!FileExists(record.path)) break;
    }
    return record;
}

void RecordFiles(DeploymentRecord& record, const DisplayFileSet& files, Hasher& hasher) {
    record.files.clear();
    for (const DisplayFile& file : files)
        record.files.push_back({file.name, file.bytes.size(), hasher.Sha256Hex(file.bytes)});
}

std::string RecordText(const DeploymentRecord& r) {
    std::string text = std::string(kFirstLine) + "\r\nTime = " + r.time +
                       "\r\nLayout = " + r.layoutFile + "\r\nTarget = " + r.target +
                       "\r\nVersion = " + r.version + "\r\n";
    for (const RecordedFile& f : r.files)
        text += "File = " + f.sha256 + " " + std::to_string(f.size) + " " + f.name + "\r\n";
    return text;
}

DeploymentRecord ParseRecord(const std::string& text, const std::string& path) {
    DeploymentRecord r;
    r.path = path;
    std::size_t pos = 0;
    bool first = true;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (first) {
            if (line != kFirstLine)
                throw FormatError("The file " + path + " is not a deployment record.");
            first = false;
        } else if (line.starts_with("Time = ")) {
            r.time = Value(line, "Time");
        } else if (line.starts_with("Layout = ")) {
            r.layoutFile = Value(line, "Layout");
        } else if (line.starts_with("Target = ")) {
            r.target = Value(line, "Target");
        } else if (line.starts_with("Version = ")) {
            r.version = Value(line, "Version");
        } else if (line.starts_with("File = ")) {
            const std::string rest = Value(line, "File");
            const std::size_t a = rest.find(' '), b = rest.find(' ', a + 1);
            if (a != 64 || b == std::string::npos)
                throw FormatError("The deployment record " + path + " has a bad line: " + line);
            RecordedFile f{rest.substr(b + 1), 0, rest.substr(0, a)};
            try {
                f.size = std::stoull(rest.substr(a + 1, b - a - 1));
            } catch (const std::exception&) {
                throw FormatError("The deployment record " + path + " has a bad line: " + line);
            }
            r.files.push_back(std::move(f));
        }
    }
    if (first) throw FormatError("The file " + path + " is not a deployment record.");
    return r;
}

std::vector<DeploymentRecord> RecordsFor(const std::string& target) {
    std::vector<DeploymentRecord> records;
    for (const FolderEntry& entry : ListFolder(RecordsFolder())) {
        if (entry.folder || !entry.name.ends_with(".txt")) continue;
        const std::string path = RecordsFolder() + entry.name;
        try {
            DeploymentRecord r = ParseRecord(ReadFileBytes(path, kMaxRecordBytes), path);
            if (r.target == target) records.push_back(std::move(r));
        } catch (const Error&) {
        }
    }
    std::reverse(records.begin(), records.end()); // ListFolder sorts by name: oldest first
    return records;
}

} // namespace pw
