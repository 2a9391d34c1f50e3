#include "check/layout_check.h"

#include "check/bitmaps.h"
#include "check/index_gaps.h"
#include "check/placement.h"
#include "check/text_fit.h"

#include <algorithm>
#include <tuple>
#include <unordered_map>

namespace pw {

std::vector<Problem> CheckLayout(const Layout& layout, const ImageStore& images, TextEngine& engine,
                                 DisplayFonts& fonts) {
    std::vector<Problem> problems;
    CheckPlacement(layout, problems);
    CheckTexts(layout, engine, fonts, problems);
    CheckBitmaps(layout, images, problems);
    CheckIndexGaps(layout, problems);

    std::unordered_map<std::uint32_t, std::size_t> place;
    for (std::size_t i = layout.WindowList.size(); i-- > 0;)
        place[layout.WindowList[i]->Number] = i;
    // Each problem's place in the order, looked up once: (window's place, index, as found).
    std::vector<std::tuple<std::size_t, int, std::size_t>> order;
    order.reserve(problems.size());
    for (std::size_t i = 0; i < problems.size(); ++i)
        order.emplace_back(place[problems[i].window], problems[i].index, i);
    std::sort(order.begin(), order.end());
    std::vector<Problem> sorted;
    sorted.reserve(problems.size());
    for (const auto& [window, index, i] : order) sorted.push_back(std::move(problems[i]));
    return sorted;
}

} // namespace pw
