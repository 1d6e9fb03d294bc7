// Which states of the map share a land border, as the map picture was drawn
// from its boundary data: pairs of codes "AL-FL AL-GA ...", each pair once.
#pragma once

#include <string_view>

namespace orrinvale {

std::string_view mapBorders();

} // namespace orrinvale
