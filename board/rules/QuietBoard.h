// A board without a window, as tools and fuzzers use one: dealt from the
// state table of a folder, with its boxes counted instead of shown and its
// clips not played.
#pragma once

#include "Board.h"

#include <cstddef>
#include <string>

namespace orrinvale {

class QuietBoard : MessageBoxes, ClipPlayer {
public:
    // Sets the board up as the window's load does, from the map's table of
    // names in `programFolder`.
    explicit QuietBoard(std::string programFolder, const BoardMap& map = statesMap())
        : app_{std::move(programFolder), "", ""}, board{services_, map}
    {
        setUpBoard(board);
    }
    QuietBoard(const QuietBoard&) = delete;
    QuietBoard& operator=(const QuietBoard&) = delete;

    // True when the set-up reported nothing: the state table is sound.
    bool sound() const { return reports_ == 0; }
    std::size_t reports() const { return reports_; }

private:
    void showModal(const std::string&, const std::string&, BoxIcon) override { ++reports_; }
    void play(const std::string&) override {}

    std::size_t reports_ = 0;
    AppInfo app_;
    Services services_{*this, *this, app_};

public:
    Board board;
};

} // namespace orrinvale
