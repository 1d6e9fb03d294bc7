// The quiz as a desktop application: builds the window, runs its load, shows
// it centred, and builds the sound back end once the window has been painted.
#pragma once

namespace orrinvale {

class FaultHook;

// Runs the quiz until its window closes; returns the exit status. `faults`
// is for test programs that make a chosen step fail; the quiz passes none.
int runQuiz(int argc, char* argv[], FaultHook* faults = nullptr);

} // namespace orrinvale
