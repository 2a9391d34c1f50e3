#include "config/dcf_reader.h"

#include "platform/errors.h"

#include <algorithm>

namespace pw {

bool DcfReader::More() {
    if (!more_) return false;
    buffer_.erase(0, pos_);
    pos_ = 0;
    const bool got = more_(buffer_);
    data_ = buffer_;
    if (!got) more_ = nullptr;
    return got;
}

bool DcfReader::ReadLine(std::string_view& line) {
    line = {};
    if (pos_ >= data_.size() && !More()) return false;
    ++line_;
    // A plain scan: find_first_of looks every character up in the set of two.
    std::size_t end = pos_;
    for (;;) {
        while (end < data_.size() && data_[end] != '\r' && data_[end] != '\n') ++end;
        if (end < data_.size()) break;
        const std::size_t scanned = end - pos_;
        if (!More()) break;
        end = pos_ + scanned;
    }
    if (end == data_.size()) {
        line = data_.substr(pos_);
        pos_ = data_.size();
        return false;
    }
    // Taking more bytes in moves those at hand, so what tells where the next line starts and
    // whether there is one (an LF after a CR, then a byte) is taken in before the line is
    // looked at.
    const std::size_t length = end - pos_;
    while (data_.size() - pos_ <= length + 2 && More()) {
    }
    line = data_.substr(pos_, length);
    pos_ += length + 1;
    if (data_[pos_ - 1] == '\r' && pos_ < data_.size() && data_[pos_] == '\n') ++pos_;
    return pos_ < data_.size();
}

std::string_view DcfReader::ReadDelimited() {
    if (pos_ >= data_.size() && !More()) {
        endedEarly_ = true;
        return {};
    }
    ++pos_; // the delimiter
    const char delimiter = data_[pos_ - 1];
    // Enough at hand to tell where the text ends: its end, the character after a cut, or the
    // end of the file.
    while (data_.size() - pos_ <= kMaxFileText &&
           data_.find(delimiter, pos_) == std::string_view::npos && More()) {
    }
    const std::string_view rest = data_.substr(pos_, kMaxFileText + 1);
    const std::size_t end = rest.find(delimiter);
    const std::size_t length = end == std::string_view::npos ? rest.size() : end;
    // A text longer than the limit is cut there, and the character after the cut is dropped
    // with it; what follows is read as lines again.
    const bool cut = length > kMaxFileText;
    const std::string_view text = rest.substr(0, cut ? kMaxFileText : length);
    // A text holds few line feeds: found with memchr rather than by looking at every character.
    for (std::size_t at = text.find('\n'); at != std::string_view::npos;
         at = text.find('\n', at + 1))
        ++line_;
    if (cut) {
        pos_ += kMaxFileText + 1;
    } else if (end == std::string_view::npos) {
        pos_ = data_.size();
        endedEarly_ = true;
    } else {
        pos_ += end + 1;
    }
    return text;
}

std::uint32_t ScanNumber(std::string_view line, std::size_t& pos) {
    while (pos < line.size() && (line[pos] == ' ' || line[pos] == ',')) ++pos;
    std::uint32_t value = 0;
    const std::size_t start = pos;
    for (; pos < line.size() && line[pos] >= '0' && line[pos] <= '9'; ++pos) {
        const std::uint32_t next = value * 10 + static_cast<std::uint32_t>(line[pos] - '0');
        if (value > 214748364 || next > 2147483647u) {
            std::size_t end = pos;
            while (end < line.size() && line[end] >= '0' && line[end] <= '9') ++end;
            const std::string_view digits = line.substr(start, std::min<std::size_t>(end - start, 40));
            throw FormatError("Arithmetic overflow: the number " + std::string(digits) +
                              (end - start > 40 ? "..." : "") + " is too large.");
        }
        value = next;
    }
    return value;
}

std::uint32_t FirstNumber(std::string_view line, std::size_t& pos) {
    const std::size_t eq = line.find('=');
    pos = eq == std::string_view::npos ? 0 : eq + 1;
    return ScanNumber(line, pos);
}

std::string ValueText(std::string_view line) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return {};
    const std::size_t start = std::min(line.size(), eq + 2);
    return std::string(line.substr(start, kMaxFileText));
}

} // namespace pw
