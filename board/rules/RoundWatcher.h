// What a second way of playing may watch of the game: each deal, each drop on
// the map and each completed map. Play without a watcher is the game alone.
#pragma once

#include "DropResult.h"

namespace orrinvale {

class Board;

class RoundWatcher {
public:
    virtual ~RoundWatcher() = default;
    // A fresh board was dealt (at the load, by Restart or after a complete
    // map); the watcher may place names ahead with `Board::placeAhead`.
    virtual void dealt(Board& board) = 0;
    // A name was dropped on a state of the map: right or wrong.
    virtual void dropped(const Board& board, int name, const DropResult& result) = 0;
    // The last name was placed: the round is over as it stands, before any
    // box can let anything else deal.
    virtual void completed(Board& board) = 0;
    // The congratulations were closed; the next deal follows.
    virtual void congratulated(Board& board) = 0;
};

} // namespace orrinvale
