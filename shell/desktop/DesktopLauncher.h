// Opens the home page in the desktop's browser, started detached.
#pragma once

#include "SharedRoutines.h"

namespace orrinvale {

class DesktopLauncher : public Launcher {
public:
    void open(const std::string& address) override;
};

} // namespace orrinvale
