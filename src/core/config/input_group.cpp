#include "config/input_group.h"

#include <string_view>

namespace pw {

namespace {

void Line(std::string& file, std::string_view key, const std::string& value) {
    file.append("  ").append(key).append(" = ").append(value).append("\r\n");
}

std::int32_t Number(std::string_view line) {
    std::size_t pos = 0;
    return static_cast<std::int32_t>(FirstNumber(line, pos));
}

} // namespace

void WriteInputGroup(const cInputSpec& job, std::string& file) {
    file += "[ INPUT\r\n";
    Line(file, "Job Name", job.JobName);
    Line(file, "SubDirectory", job.SubDirectory);
    Line(file, "NetIDs", job.NetIDs);
    Line(file, "Invert", std::to_string(job.Invert));
    Line(file, "InputMode", std::to_string(job.InputMode));
    Line(file, "Flags", std::to_string(job.Flags));
    Line(file, "NLifts", std::to_string(job.NLifts));
    Line(file, "ID0", std::to_string(job.ID0));
    Line(file, "SlaveID0", std::to_string(job.SlaveID0));
    Line(file, "PosnOffset", job.PosnOffset);
    Line(file, "DestTime", std::to_string(job.DestTime));
    Line(file, "Screen Save", std::to_string(job.ScreenSave));
    file += "INPUT END ]\r\n\r\n";
}

void ReadInputGroup(cInputSpec& job, DcfReader& file) {
    std::string_view line;
    while (file.ReadLine(line)) {
        // First match wins, in this order; the prefixes are tested at column 1.
        if (StartsWith(line, "INPUT END ]")) break;
        if (StartsWith(line, "  Job Name = ")) job.JobName = ValueText(line);
        else if (StartsWith(line, "  SubDirectory = ")) job.SubDirectory = ValueText(line);
        else if (StartsWith(line, "  NetIDs = ")) job.NetIDs = ValueText(line);
        else if (StartsWith(line, "  Invert =")) job.Invert = Number(line);
        else if (StartsWith(line, "  InputMode =")) job.InputMode = static_cast<std::uint8_t>(Number(line));
        else if (StartsWith(line, "  Flags =")) job.Flags = Number(line);
        else if (StartsWith(line, "  NLifts =")) job.NLifts = Number(line);
        else if (StartsWith(line, "  ID0 =")) job.ID0 = Number(line);
        else if (StartsWith(line, "  SlaveID0 =")) job.SlaveID0 = Number(line);
        else if (StartsWith(line, "  PosnOffset =")) job.PosnOffset = ValueText(line);
        else if (StartsWith(line, "  DestTime =")) job.DestTime = Number(line);
        else if (StartsWith(line, "  Screen Save = ")) job.ScreenSave = Number(line);
    }
    if (!StartsWith(line, "INPUT END ]")) file.GroupRanOut();
}

} // namespace pw
