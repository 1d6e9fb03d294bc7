// Dragging a name from the panel and letting it go: which control is under
// the pointer, and which handler a move or a release calls.
#pragma once

#include "Board.h"

#include <optional>

namespace orrinvale {

// What lies in front at a point of the window, as far as dragging cares.
struct DropTarget {
    enum Kind { Nothing, Region, Name } kind = Nothing;
    int index = -1;
};

DropTarget dropTargetAt(const Board& board, PointTw p);

class DragAndDrop {
public:
    explicit DragAndDrop(Board& board) : board_(board) {}

    // Starts a drag when the point is on a visible name (the front one where
    // names overlap). Returns whether a drag started.
    bool press(PointTw p);
    void move(PointTw p);
    // Ends the drag and runs the handler of the control it ends over; a drop
    // on the map returns its verdict.
    DropResult release(PointTw p);
    void cancel() { source_.reset(); }

    bool active() const { return source_.has_value(); }
    int source() const { return source_.value_or(-1); }
    // Where the dragged name's outline stands now, in client twips.
    RectTw outline() const;
    // The drag shows the push-pin instead of the outline.
    bool showsPushPin() const;

private:
    Board& board_;
    std::optional<int> source_;
    PointTw grab_{};     // pointer position inside the name's box at the press
    PointTw pointer_{};  // last pointer position
};

} // namespace orrinvale
