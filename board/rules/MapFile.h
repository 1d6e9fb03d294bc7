// A map read from the text the map generator writes (assets/maps/*.map):
// one record a line, its fields separated by tabs, places in pixels of the
// window. The text is compiled into the program; it is read only when the
// player chooses its map.
#pragma once

#include "BoardMap.h"

#include <string>
#include <variant>

namespace orrinvale {

// The map, or why the text is not one (its line number and what is wrong).
std::variant<BoardMap, std::string> readMapFile(const std::string& id, std::string text);

} // namespace orrinvale
