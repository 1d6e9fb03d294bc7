// Checks a continent's map as the quiz plays it, from its picture and its
// description in assets/maps:
//   - the core of each country (its area less a 2 px rim) takes its own
//     name at 98 % of its points or better;
//   - every country's target is at least 24 x 24 px: as large as that square
//     (576 px2), as wide and as tall, and no thinner than 12 px somewhere;
//   - no target lies on another country's land, or on grey land;
//   - every name fits its cell of the panel at the panel's font, and the
//     names shown on the map neither overlap nor cross a leader line.
// Prints the figures of each map; false when one of them fails.
#pragma once

#include <string>
#include <vector>

bool checkWorldMaps(const std::vector<std::string>& mapNames);
