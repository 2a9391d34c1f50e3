#include "display/int_text.h"

#include "platform/errors.h"

namespace pw {

std::int32_t StrToInt(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    if (i == text.size()) throw ConversionError(text);
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') throw ConversionError(text);
        value = value * 10 + (c - '0');
        if (value > 2147483648LL) throw ConversionError(text);
    }
    if (negative) value = -value;
    if (value > 2147483647LL) throw ConversionError(text);
    return static_cast<std::int32_t>(value);
}

} // namespace pw
