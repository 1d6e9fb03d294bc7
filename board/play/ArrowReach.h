// Every state of a map reachable from every other by the arrow keys. The
// arrows follow the borders first; an island, or a group of states whose
// arrows all lead among themselves, would otherwise be a place the keys
// never reach, or never leave.
#pragma once

#include "Twips.h"

#include <vector>

namespace orrinvale {

// `arrows[s][d]`: the state arrow d (left, right, up, down) leads to from
// state s; `anchors[s]`: where the state lies; `free[s * 4 + d]`: that arrow
// may be changed (no border needs it). Gives the fewest arrows new ends, each
// the nearest way across, until every state reaches every other.
void joinEveryState(std::vector<std::vector<int>>& arrows, const std::vector<PointTw>& anchors,
                    const std::vector<char>& free);

} // namespace orrinvale
