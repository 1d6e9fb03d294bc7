#include "BoardMap.h"

namespace orrinvale {

const BoardMap& statesMap()
{
    static const BoardMap map = [] {
        BoardMap m;
        for (int i = 0; i < layout::kStateCount; ++i)
            m.nameBoxes.push_back(layout::nameBox(i));
        m.panelRows = 10;
        m.placedNames.assign(layout::kMapNames.begin(), layout::kMapNames.end());
        m.regions.assign(layout::kHitRects.begin(), layout::kHitRects.end());
        m.leaderLines.assign(layout::kLeaderLines.begin(), layout::kLeaderLines.end());
        m.stacking.assign(layout::kStacking.begin(), layout::kStacking.end());
        return m;
    }();
    return map;
}

} // namespace orrinvale
