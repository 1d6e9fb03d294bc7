// The maps compiled into the program: the states' board, and each
// continent's map read from its resource when the player chooses it.
#pragma once

#include "BoardMap.h"

#include <string>
#include <variant>

namespace orrinvale {

// Makes the program's own pictures readable: its icon and the states' map.
void registerProgramPictures();

// The map of this name (one of kMaps), or why it cannot be played.
std::variant<BoardMap, std::string> loadMap(const std::string& id);

} // namespace orrinvale
