#include "windows/window_fields.h"

#include <gtest/gtest.h>

#include <bit>
#include <type_traits>

namespace pw {
namespace {

// Converts to any field's type, so that the largest number of them that initialises
// WindowFields is the number of its fields.
struct AnyField {
    template <typename T> operator T() const { return T{}; }
};

template <typename T, typename... Given> constexpr std::size_t FieldCount() {
    if constexpr (requires { T{Given{}..., AnyField{}}; })
        return FieldCount<T, Given..., AnyField>();
    else
        return sizeof...(Given);
}

TEST(WindowFields, EveryFieldIsInTheListOnceWithABitOfItsOwn) {
    std::size_t listed = 0;
    FieldMask bits = 0;
    ForEachField([&](FieldInfo info, auto) {
        ++listed;
        EXPECT_EQ(bits & info.bit, 0u) << info.key;
        bits |= info.bit;
    });
    // A field added to WindowFields but not to ForEachField is never compared, named,
    // written or changed: it fails here.
    EXPECT_EQ(listed, FieldCount<WindowFields>());
    EXPECT_EQ(bits, kAllFields);
}

TEST(WindowFields, AChangeOfOneFieldIsThatFieldsBitAndCopiesAlone) {
    const WindowFields base;
    ForEachField([&](FieldInfo info, auto member) {
        WindowFields changed = base;
        using T = std::remove_cvref_t<decltype(changed.*member)>;
        if constexpr (std::is_integral_v<T>)
            changed.*member = 7;
        else if constexpr (std::is_same_v<T, std::string>)
            changed.*member = "x";
        else if constexpr (std::is_same_v<T, IndexedTexts>)
            (changed.*member).Set(42, "x");
        else
            (changed.*member)[42] = "x";
        EXPECT_EQ(DifferentFields(base, changed), info.bit) << info.key;
        EXPECT_EQ(SameFields(base, changed), info.bit == wfNone) << info.key;
        WindowFields copy = base;
        CopyFields(copy, changed, kAllFields & ~info.bit);
        EXPECT_TRUE(SameFields(copy, base)) << info.key;
        CopyFields(copy, changed, info.bit);
        EXPECT_EQ(DifferentFields(copy, changed), 0u) << info.key;
    });
}

} // namespace
} // namespace pw
