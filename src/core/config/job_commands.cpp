#include "config/job_commands.h"

#include "config/net_addresses.h"
#include "config/terminal_diagram.h"
#include "display/int_text.h"

namespace pw {

namespace {

void SetBits(std::int32_t& set, std::int32_t value, bool on) {
    set = on ? (set | value) : (set & ~value);
}

template <typename Convert>
std::int32_t Take(const std::string& text, JobEntry entry, Convert convert) {
    try {
        return convert(text);
    } catch (const ConversionError&) {
        throw JobEntryError(text, entry);
    }
}

} // namespace

void KeepJobEntries(cInputSpec& job, const JobEntries& e) {
    job.JobName = e.JobName;
    job.SubDirectory = e.SubDirectory;
    job.NetIDs = e.NetIDs;
    job.NLifts = Take(e.NLifts, JobEntry::NLifts, StrToInt);
    job.ID0 = Take(e.LiftID1, JobEntry::LiftID1, DisplayIdFromText);
    job.SlaveID0 = Take(e.Slave, JobEntry::Slave, SlaveIdFromText);
    job.PosnOffset = e.PosnOffset;
    job.DestTime = Take(e.DestTime, JobEntry::DestTime, StrToInt);
    job.ScreenSave = Take(e.SecScreenSave, JobEntry::SecScreenSave, StrToInt);
}

void SetInputMode(cInputSpec& job, std::uint8_t code) { job.InputMode = code; }

void SetJobFlag(cInputSpec& job, std::int32_t flag, bool on) {
    SetBits(job.Flags, flag, on);
}

void SetTerminalInverted(cInputSpec& job, int bit, bool on) {
    if (bit < 0 || bit >= static_cast<int>(kTerminalCount)) return;
    SetBits(job.Invert, std::int32_t{1} << bit, on);
}

} // namespace pw
