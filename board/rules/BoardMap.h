// A map the board is played on, as one value: where each name of the panel
// sits and where it shows once placed, the drop regions with the codes they
// accept, the leader lines, and the order the names and lines are painted
// in. The board, the keys, the screen reader's view and the painter ask it
// how many names there are and where things lie.
#pragma once

#include "Layout.h"

#include <vector>

namespace orrinvale {

struct BoardMap {
    std::vector<RectTw> nameBoxes;               // the panel's cells, in panel order
    int panelRows = 1;                           // names down a column of the panel
    std::vector<layout::MapName> placedNames;    // where each name shows on the map
    std::vector<layout::HitRect> regions;        // drop regions, front-most last
    std::vector<layout::LeaderLine> leaderLines; // shown with the placing of their state
    std::vector<layout::StackEntry> stacking;    // painting order, back to front

    int nameCount() const { return static_cast<int>(nameBoxes.size()); }
    int regionCount() const { return static_cast<int>(regions.size()); }
    int lineCount() const { return static_cast<int>(leaderLines.size()); }
};

// The fifty states, as the window's layout lays them out.
const BoardMap& statesMap();

} // namespace orrinvale
