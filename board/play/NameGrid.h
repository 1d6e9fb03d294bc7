// Moving through the names of the panel from the keyboard: five columns of
// ten, the names already placed skipped.
#pragma once

#include "Board.h"
#include "StateMap.h"

namespace orrinvale {

class NameGrid {
public:
    explicit NameGrid(const Board& board) : board_(board) {}

    // Whether the name is still in the panel, waiting to be placed.
    bool unplaced(int index) const;
    // The first and last unplaced names; -1 when every name is placed.
    int first() const;
    int last() const;
    // The next unplaced name after `index` in panel order, going round;
    // `index` itself when it is the only one, -1 when there is none.
    int nextAfter(int index) const;
    // From `index` one step that way: up and down go through the panel in
    // its order (down a column, then to the top of the next), left and right
    // to the nearest unplaced name in the column beside. Stays put at an edge.
    int step(int index, Direction direction) const;
    // The next unplaced name after `index` whose caption starts with the
    // letter (either case), going round; `index` when there is none.
    int nextStartingWith(int index, char letter) const;

private:
    const Board& board_;
};

} // namespace orrinvale
