#include "check/layout_check.h"

#include "check/bitmaps.h"
#include "check/index_gaps.h"
#include "check/placement.h"
#include "check/text_fit.h"

#include <algorithm>
#include <unordered_map>

namespace pw {

std::vector<Problem> CheckLayout(const Layout& layout, const ImageStore& images,
                                 TextEngine& engine, DisplayFonts& fonts) {
    std::vector<Problem> problems;
    CheckPlacement(layout, problems);
    CheckTexts(layout, engine, fonts, problems);
    CheckBitmaps(layout, images, problems);
    CheckIndexGaps(layout, problems);

    std::unordered_map<std::uint32_t, std::size_t> place;
    for (std::size_t i = layout.WindowList.size(); i-- > 0;)
        place[layout.WindowList[i]->Number] = i;
    std::stable_sort(problems.begin(), problems.end(), [&](const Problem& a, const Problem& b) {
        return std::pair(place[a.window], a.index) < std::pair(place[b.window], b.index);
    });
    return problems;
}

} // namespace pw
