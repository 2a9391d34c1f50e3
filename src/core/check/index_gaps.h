#pragma once
// Whether the indexed entries the lift chooses from are complete: no floor or status without
// its entry below the last one set, and a destination for every floor that has a position.

#include "check/problem.h"
#include "windows/layout.h"

#include <vector>

namespace pw {

// Appends the gaps of every Position and Lift Status window, then the floors each
// Destination Window lacks, in list order. Index 0 is the state with nothing to say (position
// unknown, lift in service), so only the indexes from 1 on are floors and statuses.
void CheckIndexGaps(const Layout& layout, std::vector<Problem>& out);

} // namespace pw
