// The maps the quiz can be played on, by the name `--map` takes: the states'
// board first (the one played when none is chosen), then the continents
// (from the map generator's list of maps), whose maps are read from the
// program's resources when chosen.
#pragma once

#include <string>
#include <string_view>

namespace orrinvale {

struct MapEntry {
    std::string_view id;
    std::string_view title;
};

inline constexpr MapEntry kMaps[] = {
    {"us-states", "US states"},
#include "WorldMaps.inc"
};

// The entry of a map's name, or nullptr.
const MapEntry* findMap(std::string_view id);

// "africa, asia, ..." as the usage lists them.
std::string mapNames();

} // namespace orrinvale
