#include "config/window_text.h"

#include "config/dcf_reader.h"
#include "config/window_group.h"

namespace pw {

namespace {

bool Blank(const std::string& line) {
    return line.find_first_not_of(" \t") == std::string::npos;
}

} // namespace

bool ReadWindowText(const std::string& text, cWinFileDescription& w) {
    // The reader never interprets a text's last line, and a text editor may have dropped the
    // line end after the group's end line.
    const std::string lines = text + "\r\n";
    DcfReader reader(lines);
    std::string line;
    do {
        if (!reader.ReadLine(line)) return false;
    } while (Blank(line));
    if (!StartsWith(line, "[ WINDOW")) return false;
    ReadWindowGroup(w, reader);
    if (reader.EndedEarly()) return false;
    while (reader.ReadLine(line))
        if (!Blank(line)) return false;
    return true;
}

} // namespace pw
