// The quiz's command line: the ways to play a player may choose, and the
// toolkit's own options (-platform and the like), which are passed on to Qt.
// The whole line is read before anything is done, so a refused line
// changes nothing.
#pragma once

#include <string>
#include <vector>

namespace orrinvale {

struct CommandLine {
    bool clickToPlace = false;
    bool practice = false;  // the states the player misses come back
    bool forget = false;    // practice progress cleared first
    bool help = false;
    std::string map = "us-states";  // the map to play, by its name
    bool chooseMap = false;         // `--map` without a name: the chooser first
    // Qt's own options with their values, in order, for Qt.
    std::vector<std::string> toolkit;
    std::string platform;  // the value of -platform, where one was named
    // Empty when every word was understood; else what to print on standard
    // error before ending with exit status 2.
    std::string error;
};

inline constexpr const char* kUsage =
    "usage: orrinvale [--map [NAME]] [--click-to-place] [--practice] [--forget] [--help]";

// The usage with the maps `--map` takes, for --help.
std::string usageWithMaps();

// `args` without the program's own name.
CommandLine readCommandLine(const std::vector<std::string>& args);

} // namespace orrinvale
