#pragma once
// What the Set Up dialog does to the job record. The display size, the input mode, the two
// flags and the inverted terminals take effect as soon as they are chosen; the typed entries
// only on OK.

#include "platform/errors.h"
#include "windows/job_record.h"

#include <cstdint>
#include <string>

namespace pw {

// The Set Up dialog's typed entries, as typed, in the order OK takes them.
struct JobEntries {
    std::string JobName;
    std::string SubDirectory;
    std::string NetIDs;
    std::string NLifts;
    std::string LiftID1; // the first display's address, one more than ID0
    std::string Slave;   // the first slave's address, or 0 for none
    std::string PosnOffset;
    std::string DestTime;
    std::string SecScreenSave;
};

// The numeric entry a failed OK stopped at.
enum class JobEntry { NLifts, LiftID1, Slave, DestTime, SecScreenSave };

// An entry that holds no whole number: the conversion error, and which entry it was.
class JobEntryError : public ConversionError {
public:
    JobEntryError(const std::string& text, JobEntry entry) : ConversionError(text), entry(entry) {}
    JobEntry entry;
};

// OK: takes the entries into the job record one after another. An entry that holds no
// number throws JobEntryError there, with the entries before it already taken and the later
// ones not.
void KeepJobEntries(cInputSpec& job, const JobEntries& entries);

void SetInputMode(cInputSpec& job, std::uint8_t code);
// Sets or clears one of the Flags bits (jfTestPattern, jfZeroPosn).
void SetJobFlag(cInputSpec& job, std::int32_t flag, bool on);
// Inverts input terminal bit + 1 or not; bits beyond the fifteen terminals are refused.
void SetTerminalInverted(cInputSpec& job, int bit, bool on);

} // namespace pw
