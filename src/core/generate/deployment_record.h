#pragma once
// The record of a deployment, kept in the editor's state folder (deployments/, one text file
// each) and never in the display folder: when, from which layout, into which folder, by which
// version of the program, and every file with its size and SHA-256 digest.

#include "generate/display_file.h"
#include "platform/hasher.h"

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace pw {

struct RecordedFile {
    std::string name;
    std::uintmax_t size = 0;
    std::string sha256;
    friend bool operator==(const RecordedFile&, const RecordedFile&) = default;
};

struct DeploymentRecord {
    std::string path; // where the record is kept; empty for one not yet kept
    std::string time; // local time, "2026-03-14 09:05:00"
    std::string layoutFile;
    std::string target;
    std::string version;
    std::vector<RecordedFile> files; // in the order they were written
};

// The folder of the records: deployments/ in the state folder.
std::string RecordsFolder();

// A record for target, made now, with a path of its own in RecordsFolder and no files yet.
DeploymentRecord NewRecord(const std::string& layoutFile, const std::string& target,
                           std::time_t now);
// The record lists the set, each file with its digest.
void RecordFiles(DeploymentRecord& record, const DisplayFileSet& files, Hasher& hasher);

std::string RecordText(const DeploymentRecord& record);
// Throws FormatError for a text that is no record.
DeploymentRecord ParseRecord(const std::string& text, const std::string& path);

// The records for target (compared exactly), newest first; unreadable ones are passed over.
std::vector<DeploymentRecord> RecordsFor(const std::string& target);

} // namespace pw
