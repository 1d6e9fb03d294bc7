// A board without a window, as tools and fuzzers use one: dealt from the
// state table of a folder, with its boxes counted instead of shown and its
// clips not played.
#pragma once

#include "Board.h"
#include "Services.h"

#include <cstddef>
#include <string>

namespace orrinvale {

// Services that show and play nothing.
class QuietServices {
public:
    explicit QuietServices(std::string programFolder = {}) : app{std::move(programFolder), "", ""} {}
    QuietServices(const QuietServices&) = delete;
    QuietServices& operator=(const QuietServices&) = delete;

    std::size_t boxesShown() const { return boxes_.shown; }

private:
    struct CountedBoxes : MessageBoxes {
        void show(const std::string&, const std::string&, BoxIcon) override { ++shown; }
        std::size_t shown = 0;
    };
    struct NoSound : ClipPlayer {
        void play(const std::string&) override {}
    };
    CountedBoxes boxes_;
    NoSound player_;

public:
    AppInfo app;
    Services services{boxes_, player_, app};
};

// A board set up as the window's load sets it up, from the state table in
// `programFolder`.
class QuietBoard {
public:
    explicit QuietBoard(std::string programFolder) : quiet_(std::move(programFolder)) { setUpBoard(board); }

    // True when the set-up reported nothing: the state table is sound.
    bool sound() const { return quiet_.boxesShown() == 0; }
    std::size_t reports() const { return quiet_.boxesShown(); }

private:
    QuietServices quiet_;

public:
    Board board{quiet_.services};
};

} // namespace orrinvale
