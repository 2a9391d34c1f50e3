#include "check/index_gaps.h"

#include <bitset>

namespace pw {

namespace {

constexpr int kFirstFloor = 1;

// The entries the window shows: its bitmaps when it is drawn as an image, else its texts.
std::bitset<kIndexCount> SetEntries(const cWindow& w) {
    std::bitset<kIndexCount> set;
    for (int i = kFirstFloor; i < kIndexCount; ++i)
        set[i] = !(w.DrawType == dtImage ? w.BMP[i] : w.Text[i]).empty();
    return set;
}

} // namespace

void CheckIndexGaps(const Layout& layout, std::vector<Problem>& out) {
    std::bitset<kIndexCount> floors; // that some Position window names
    for (const auto& w : layout.WindowList) {
        if (w->Type != wtPosition && w->Type != wtLiftStatus) continue;
        const std::bitset<kIndexCount> set = SetEntries(*w);
        if (w->Type == wtPosition) floors |= set;
        int last = kIndexCount - 1;
        while (last >= kFirstFloor && !set[last]) --last;
        const char* what = w->Type == wtPosition ? "floor" : "status";
        for (int i = kFirstFloor; i < last; ++i)
            if (!set[i])
                out.push_back({Severity::Warning, ProblemKind::TextGap, w->Number, i,
                               w->Lines.group,
                               std::string("Index ") + std::to_string(i) + " is empty, but the " +
                                   what + " at index " + std::to_string(last) + " is set.",
                               std::nullopt});
    }
    for (const auto& w : layout.WindowList) {
        if (w->Type != wtDestination) continue;
        const std::bitset<kIndexCount> lacking = floors & ~SetEntries(*w);
        for (int i = kFirstFloor; i < kIndexCount; ++i)
            if (lacking[i])
                out.push_back(
                    {Severity::Warning, ProblemKind::DestinationMissing, w->Number, i,
                     w->Lines.group,
                     "Floor " + std::to_string(i) + " has a Position text but no Destination text.",
                     std::nullopt});
    }
}

} // namespace pw
