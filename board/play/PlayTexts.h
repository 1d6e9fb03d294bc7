// What keyboard play and the screen reader say: the names of the new focus
// stops, the result of each pick-up and drop, and the keys' help.
#pragma once

#include "KeyboardPlay.h"

#include <string>

namespace orrinvale::texts {

inline constexpr const char* kFocusHolderName = "Orrinvale: press F6 for the state names, F1 for the keys";
inline constexpr const char* kNamesPanel = "State names";
inline constexpr const char* kNamesPanelHelp = "Arrow keys choose a name, Space or Enter picks it up";
inline constexpr const char* kMap = "Map of the states";
inline constexpr const char* kMapHelp = "Arrow keys move between the states, Space or Enter drops the held name";
inline constexpr const char* kPickUpAction = "Pick up";
inline constexpr const char* kDropAction = "Drop here";
inline constexpr const char* kHelpTitle = "Keys";
extern const char* const kHelp;

// A state's accessible name: its name once a name is placed on it, else a
// number in reading order that tells nothing of where it lies.
std::string stateName(const KeyboardPlay& play, int state);

// Where a state lies, without naming any state not yet placed: its part of
// the map and the states it borders, the placed ones by name.
std::string whereabouts(const KeyboardPlay& play, int state);

// An unplaced name's place among the names left: "3 of 49".
std::string namePosition(const KeyboardPlay& play, int name);

// The sentence that tells a pick-up's or a drop's result; empty when there
// is nothing to tell.
std::string resultText(const KeyboardPlay& play, const Reaction& reaction);

} // namespace orrinvale::texts
