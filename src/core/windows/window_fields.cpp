#include "windows/window_fields.h"

namespace pw {

FieldMask DifferentFields(const WindowFields& a, const WindowFields& b, FieldMask among) {
    FieldMask differ = 0;
    ForEachField([&](FieldInfo info, auto member) {
        if ((info.bit & among) && !(a.*member == b.*member)) differ |= info.bit;
    });
    return differ;
}

bool SameFields(const WindowFields& a, const WindowFields& b) {
    bool same = true;
    ForEachField([&](FieldInfo info, auto member) {
        same = same && (info.bit == wfNone || a.*member == b.*member);
    });
    return same;
}

void CopyFields(WindowFields& to, const WindowFields& from, FieldMask mask) {
    ForEachField([&](FieldInfo info, auto member) {
        if (info.bit & mask) to.*member = from.*member;
    });
}

} // namespace pw
