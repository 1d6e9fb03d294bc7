// The fifty states of the map as places to move between and drop on: each
// state gathers the drop regions that carry its code. States are numbered in
// reading order, top to bottom and left to right, so a number says nothing
// about which state it is.
#pragma once

#include "Board.h"

#include <optional>
#include <string>
#include <vector>

namespace orrinvale {

enum class Direction { Left, Right, Up, Down };

struct MapState {
    std::string code;          // the regions' tag, trimmed
    std::vector<int> regions;  // drop regions carrying the code, lowest index first
    RectTw bounds;             // the smallest box around the regions
    PointTw anchor;            // the centre of the state's largest region
    PointTw land;              // where its land lies: the map's word, else the anchor
};

class StateMap {
public:
    StateMap() = default;
    // The states of the board's drop regions as they are now. `borders`
    // names the pairs of states that share a border ("AL-FL AL-GA ..."):
    // the arrows follow them. Without it, the board's map tells them.
    explicit StateMap(const Board& board) : StateMap(board, board.map().borders) {}
    StateMap(const Board& board, std::string_view borders);

    int size() const { return static_cast<int>(states_.size()); }
    bool empty() const { return states_.empty(); }
    const MapState& state(int number) const { return states_.at(static_cast<std::size_t>(number)); }
    const std::vector<MapState>& states() const { return states_; }

    // The state an arrow leads to from a state: a bordering state in that
    // quarter of the compass wherever there is one, chosen so that every two
    // bordering states are joined one way at least; else the nearest state
    // that way; the state itself when there is none.
    int neighbour(int number, Direction direction) const;
    // The states that share a border with a state, in reading order.
    const std::vector<int>& bordering(int number) const { return borders_.at(static_cast<std::size_t>(number)); }
    // The state that owns a drop region.
    std::optional<int> stateOfRegion(int region) const;

private:
    std::vector<MapState> states_;
    void readBorders(std::string_view borders);
    void chooseArrows();

    std::vector<std::vector<int>> borders_;
    std::vector<std::vector<int>> neighbours_;  // per state: left, right, up, down
};

// The panel index of the name placed on this state, if one is.
std::optional<int> placedNameOn(const Board& board, const MapState& state);

} // namespace orrinvale
