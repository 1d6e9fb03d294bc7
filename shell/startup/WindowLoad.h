// The window's load: the start-up steps, then the board set-up.
#pragma once

#include <functional>
#include <string>

namespace orrinvale {

class Board;
class WindowHost;
class SkinEngine;
class RandomSource;
class Launcher;

struct StartUp {
    Board& board;
    WindowHost& window;
    SkinEngine& skin;
    RandomSource& random;
    Launcher& launcher;
    std::function<double()> clock;  // seconds since midnight
    std::string homePage;
};

void loadWindow(StartUp& startUp);

} // namespace orrinvale
