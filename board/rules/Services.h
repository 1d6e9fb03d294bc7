// The outside services the window's handlers use, gathered so that a handler
// takes one reference.
#pragma once

#include "Platform.h"

#include <cstddef>
#include <string>

namespace orrinvale {

struct Services {
    MessageBoxes& boxes;
    ClipPlayer& player;
    AppInfo& app;
    FaultHook* faults = nullptr;  // only tests set this
};

// Services for a board without a window, as tools and fuzzers use one: boxes
// are counted instead of shown, and clips are not played.
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

} // namespace orrinvale
