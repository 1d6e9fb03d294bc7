// The outside services the window's handlers use, gathered so that a handler
// takes one reference.
#pragma once

#include "Platform.h"
#include "RoundWatcher.h"

namespace orrinvale {

struct Services {
    MessageBoxes& boxes;
    ClipPlayer& player;
    AppInfo& app;
    FaultHook* faults = nullptr;  // only tests set this
    RoundWatcher* rounds = nullptr;  // practice sets this
};

} // namespace orrinvale
