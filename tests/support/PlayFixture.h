// A board dealt from the shipped table and played by keys: shared by the
// tests of the keys, the panel, the map of states and their texts.
#pragma once

#include "Fakes.h"
#include "KeyboardPlay.h"

#include <string>

namespace orrinvale::testing {

struct Play : DealtBoard {
    KeyboardPlay play{board, StateMap(board)};

    int stateOf(const std::string& code) const
    {
        for (int s = 0; s < play.map().size(); ++s)
            if (play.map().state(s).code == code)
                return s;
        return -1;
    }
    std::string clip(const char* relative) const { return app.programFolder + relative; }
};

} // namespace orrinvale::testing
