#include "StateMap.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <map>

namespace orrinvale {

namespace {

// Anchors within one band of this height count as one line of reading.
constexpr int kReadingBand = 600;

RectTw unite(const RectTw& a, const RectTw& b)
{
    const int left = std::min(a.left, b.left);
    const int top = std::min(a.top, b.top);
    return {left, top, std::max(a.right(), b.right()) - left, std::max(a.bottom(), b.bottom()) - top};
}

// What a move from `from` to `to` costs the given way: nullopt when `to`
// does not lie that way at all. Within `cone`, only states no further across
// than along count (a quarter of the compass around the way asked).
std::optional<long long> moveCost(PointTw from, PointTw to, Direction direction, bool cone)
{
    const long long dx = to.x - from.x;
    const long long dy = to.y - from.y;
    long long along = 0;
    long long across = 0;
    switch (direction) {
    case Direction::Left: along = -dx; across = std::llabs(dy); break;
    case Direction::Right: along = dx; across = std::llabs(dy); break;
    case Direction::Up: along = -dy; across = std::llabs(dx); break;
    case Direction::Down: along = dy; across = std::llabs(dx); break;
    }
    if (along <= 0 || (cone && across > along))
        return std::nullopt;
    // Straying sideways costs twice as much as going the way asked, so the
    // nearest state roughly that way wins over a nearer one off to the side.
    return along + 2 * across;
}

} // namespace

StateMap::StateMap(const Board& board)
{
    std::map<std::string, MapState> byCode;
    std::map<std::string, long long> largest;
    for (const auto& [index, region] : board.regions()) {
        const std::string code = trimSpaces(region.tag);
        if (code.empty())
            continue;  // a region of no state takes no drop anyone could mean
        auto [it, fresh] = byCode.try_emplace(code);
        MapState& s = it->second;
        if (fresh) {
            s.code = code;
            s.bounds = region.box;
        } else
            s.bounds = unite(s.bounds, region.box);
        s.regions.push_back(index);
        const long long area = static_cast<long long>(region.box.width) * region.box.height;
        if (fresh || area > largest[code]) {
            largest[code] = area;
            s.anchor = {region.box.left + region.box.width / 2, region.box.top + region.box.height / 2};
        }
    }
    for (auto& [code, s] : byCode)
        states_.push_back(std::move(s));
    std::sort(states_.begin(), states_.end(), [](const MapState& a, const MapState& b) {
        const int bandA = a.anchor.y / kReadingBand;
        const int bandB = b.anchor.y / kReadingBand;
        if (bandA != bandB)
            return bandA < bandB;
        if (a.anchor.x != b.anchor.x)
            return a.anchor.x < b.anchor.x;
        return a.code < b.code;
    });

    neighbours_.assign(states_.size(), std::vector<int>(4));
    for (std::size_t i = 0; i < states_.size(); ++i) {
        for (int d = 0; d < 4; ++d) {
            const auto direction = static_cast<Direction>(d);
            long long best = std::numeric_limits<long long>::max();
            int chosen = static_cast<int>(i);
            // The nearest state within the quarter that way; when there is
            // none, the nearest anywhere on that side.
            for (const bool cone : {true, false}) {
                for (std::size_t j = 0; j < states_.size(); ++j) {
                    if (j == i)
                        continue;
                    const auto cost = moveCost(states_[i].anchor, states_[j].anchor, direction, cone);
                    if (cost && *cost < best) {
                        best = *cost;
                        chosen = static_cast<int>(j);
                    }
                }
                if (chosen != static_cast<int>(i))
                    break;
            }
            neighbours_[i][static_cast<std::size_t>(d)] = chosen;
        }
    }
}

int StateMap::neighbour(int number, Direction direction) const
{
    if (number < 0 || number >= size())
        return number;
    return neighbours_[static_cast<std::size_t>(number)][static_cast<std::size_t>(direction)];
}

std::optional<int> StateMap::stateOfRegion(int region) const
{
    for (int n = 0; n < size(); ++n) {
        const auto& regions = states_[static_cast<std::size_t>(n)].regions;
        if (std::find(regions.begin(), regions.end(), region) != regions.end())
            return n;
    }
    return std::nullopt;
}

std::optional<int> placedNameOn(const Board& board, const MapState& state)
{
    for (int i = 0; i < layout::kStateCount; ++i) {
        if (board.maplabelVisible(i) && trimSpaces(board.labels(i).tag) == state.code)
            return i;
    }
    return std::nullopt;
}

} // namespace orrinvale
