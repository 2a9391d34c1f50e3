#pragma once
// Reading a layout file: whole lines, delimited texts and the numbers on key lines. The
// reader is deliberately lenient in the ways layouts written by earlier versions rely on.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace pw {

// Texts and names in a layout file are cut to this many characters.
constexpr std::size_t kMaxFileText = 4000;

class DcfReader {
public:
    explicit DcfReader(std::string_view data) : data_(data) {}
    // Reads the bytes as more gives them: it appends the next ones to its argument and tells
    // whether there were any. Only what has not been read yet is held.
    explicit DcfReader(std::function<bool(std::string&)> more) : more_(std::move(more)) {}

    // Reads the next line (CR LF, LF or CR ends it). Returns false when that read reached the
    // end of the file: the line is then not interpreted, so the last line of a file never is
    // (files end with an empty line, which makes this harmless). The line is a view of the
    // reader's bytes, good until the next read: a large layout's lines are nearly all looked
    // at once and dropped, and copying each cost more than reading it.
    bool ReadLine(std::string_view& line);

    // A text between delimiters, read character by character, line breaks included: the
    // first character is the delimiter; reading stops at the next one (consumed), after
    // kMaxFileText characters (the next one is consumed and dropped) or at the end, which
    // counts as ending early. Like a line, a view good until the next read.
    std::string_view ReadDelimited();

    // 1-based number of the line read last.
    std::size_t LineNumber() const { return line_; }

    // The file ended inside a group or a delimited text, so it may have been cut short.
    bool EndedEarly() const { return endedEarly_; }
    // A group reader met the end of the file before the group's end line.
    void GroupRanOut() { endedEarly_ = true; }

private:
    // Drops what has been read and takes the next bytes in; false at the end. Moves the bytes
    // not yet read to the front: positions are counted from pos_ again.
    bool More();

    std::function<bool(std::string&)> more_;
    std::string buffer_; // what more gave and is not read yet
    std::string_view data_;
    std::size_t pos_ = 0;
    std::size_t line_ = 0;
    bool endedEarly_ = false;
};

// Skips blanks and commas from pos, then reads a run of decimal digits (no sign: a '-' ends
// the scan with 0). pos stays on the character that ended the scan. A value beyond the
// signed 32-bit range throws FormatError.
std::uint32_t ScanNumber(std::string_view line, std::size_t& pos);

// ScanNumber from just after the line's first '=' (from the start when it has none).
std::uint32_t FirstNumber(std::string_view line, std::size_t& pos);

inline bool StartsWith(std::string_view line, std::string_view prefix) {
    return line.substr(0, prefix.size()) == prefix;
}

// The value of a key line: what follows its first '=' and the one blank after it.
std::string ValueText(std::string_view line);

} // namespace pw
