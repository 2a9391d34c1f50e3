#include "dialogs/index_text.h"

#include "platform/errors.h"
#include "display/int_text.h"
#include "windows/window.h"

namespace pw {

std::int32_t IndexFromText(const std::string& text) {
    const std::int32_t index = StrToInt(text);
    if (index < 0 || index >= kIndexCount)
        throw Error("'" + text + "' is not a valid index: indexes run from 0 to " +
                    std::to_string(kIndexCount - 1));
    return index;
}

} // namespace pw
