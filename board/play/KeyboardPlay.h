// Playing without dragging: a name is picked up, carried to a state and
// dropped there, from the keyboard, a screen reader's actions or two clicks.
// Every drop is the drop regions' own verdict (`Board::dropOnRegion`), so the
// clips, the counter, the congratulations and the fresh board are those of a
// drag. This keeps which name and which state have the focus, and which
// name is held; the window's widgets show it and forward the keys.
#pragma once

#include "Board.h"
#include "DragAndDrop.h"
#include "NameGrid.h"
#include "StateMap.h"

#include <optional>

namespace orrinvale {

// The keys of the names panel and of the map, whatever the toolkit calls them.
enum class PlayKey { Left, Right, Up, Down, Home, End, Activate, Escape };

// The two focus stops of keyboard play.
enum class Stop { Names, Map };

// What a key or an action did.
struct Reaction {
    enum Kind { Nothing, Moved, PickedUp, LetGo, Right, Wrong, Completed, NothingHeld } kind = Nothing;
    int name = -1;              // the name concerned: picked up, let go, placed or refused
    std::optional<Stop> focus;  // where the focus goes now, when it moves
};

class KeyboardPlay {
public:
    KeyboardPlay(Board& board, StateMap map);

    const Board& board() const { return board_; }
    const StateMap& map() const { return map_; }
    const NameGrid& grid() const { return grid_; }

    // The name and the state with the focus within their stops (-1: none).
    int currentName() const { return currentName_; }
    int currentState() const { return currentState_; }
    std::optional<int> held() const { return held_; }

    Reaction namesKey(PlayKey key);
    // A letter typed in the names: the next name starting with it.
    Reaction namesLetter(char letter);
    Reaction mapKey(PlayKey key);

    // Picks up an unplaced name, letting go of any other.
    Reaction pickUp(int name);
    // Drops the held name on a state, or on one drop region (a click).
    Reaction dropOn(int state);
    Reaction dropOnRegion(int region);
    Reaction letGo();

    // Placing by clicking, where the player chose it: a click on a name
    // picks it up, a click on a state drops the held name there. Without
    // the choice a click does what it always did.
    void setClickToPlace(bool on) { clickToPlace_ = on; }
    bool clickToPlace() const { return clickToPlace_; }
    // A press of the mouse (or a tap) at a point: drops the held name when it
    // lies on a drop region; Nothing when the press is left to dragging.
    Reaction pressedAt(PointTw p);
    // A drag of the name `source` ended at a point: on the name itself it
    // was a click, which picks the name up.
    Reaction releasedAt(int source, PointTw p);

    void focusName(int name);
    void focusState(int state);
    // After anything else changed the board (a drag, Restart): a held name
    // that was placed meanwhile is let go, the focused name stays unplaced.
    void boardChanged();

private:
    Board& board_;
    StateMap map_;
    NameGrid grid_;
    int currentName_ = -1;
    int currentState_ = -1;
    std::optional<int> held_;
    bool clickToPlace_ = false;
};

} // namespace orrinvale
