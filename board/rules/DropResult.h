// What a drop of a name on the map did: the verdict as every hand (mouse,
// touch, keys, clicks, a screen reader's actions) and every watcher
// (practice, speech) reads it. It is told by the verdict, never guessed
// from the board afterwards.
#pragma once

namespace orrinvale {

struct DropResult {
    enum Kind {
        Right,         // the name is placed on its state
        Wrong,         // not its state: the name is back in the panel
        NothingThere,  // let go where no state lies
        NotInPanel,    // another hand placed the name meanwhile: nothing done
        BoxOpen,       // a box waits for the player: nothing done
    } kind = NothingThere;
    // A right drop that completed the map: congratulated, and a new board
    // dealt since.
    bool completed = false;
};

} // namespace orrinvale
