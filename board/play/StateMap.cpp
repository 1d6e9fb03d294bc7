#include "StateMap.h"

#include "ArrowReach.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
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

// True when `b` overlaps the band `a` sweeps moving that way.
bool inBeam(const RectTw& a, const RectTw& b, Direction direction)
{
    if (direction == Direction::Left || direction == Direction::Right)
        return std::min(a.bottom(), b.bottom()) > std::max(a.top, b.top);
    return std::min(a.right(), b.right()) > std::max(a.left, b.left);
}

// One arrow of a state: the state's number times four plus the direction.
int slotOf(int state, int direction)
{
    return state * 4 + direction;
}

using Candidates = std::vector<std::vector<int>>;  // per slot: bordering states that way, best first

// The bordering states a slot may lead to, best first. A bordering state
// lies that way when its anchor is in the quarter around it, or when it lies
// further that way within the state's beam (Idaho's panhandle beside
// Washington); the first kind goes before the second.
std::vector<int> borderingThatWay(const std::vector<MapState>& states, const std::vector<int>& bordering, int from,
                                  Direction direction)
{
    const MapState& here = states[static_cast<std::size_t>(from)];
    const auto rank = [&](int j) -> std::optional<std::pair<int, long long>> {
        const MapState& there = states[static_cast<std::size_t>(j)];
        if (const auto c = moveCost(here.anchor, there.anchor, direction, true))
            return std::pair{0, *c};
        const auto c = moveCost(here.anchor, there.anchor, direction, false);
        if (c && inBeam(here.bounds, there.bounds, direction))
            return std::pair{1, *c};
        return std::nullopt;
    };
    std::vector<int> list;
    for (const int j : bordering)
        if (rank(j))
            list.push_back(j);
    std::stable_sort(list.begin(), list.end(), [&](int a, int b) { return *rank(a) < *rank(b); });
    return list;
}

Candidates candidatesOfEverySlot(const std::vector<MapState>& states, const std::vector<std::vector<int>>& borders)
{
    Candidates candidates(states.size() * 4);
    for (std::size_t i = 0; i < states.size(); ++i)
        for (int d = 0; d < 4; ++d)
            candidates[static_cast<std::size_t>(slotOf(static_cast<int>(i), d))] =
                borderingThatWay(states, borders[i], static_cast<int>(i), static_cast<Direction>(d));
    return candidates;
}

// A border between two states, and the slots that can join it with the
// state each leads to, a slot for which it is the better choice first.
struct Border {
    int a, b;
    std::vector<std::pair<int, int>> slots;  // slot, the state it leads to
};

Border borderAndItsSlots(int a, int b, const Candidates& candidates)
{
    Border border{a, b, {}};
    std::vector<std::pair<std::size_t, std::pair<int, int>>> ranked;  // place in the slot's list, slot and state
    for (const auto& [from, to] : {std::pair{a, b}, std::pair{b, a}}) {
        for (int d = 0; d < 4; ++d) {
            const auto& list = candidates[static_cast<std::size_t>(slotOf(from, d))];
            const auto at = std::find(list.begin(), list.end(), to);
            if (at != list.end())
                ranked.push_back({static_cast<std::size_t>(at - list.begin()), {slotOf(from, d), to}});
        }
    }
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
    for (const auto& r : ranked)
        border.slots.push_back(r.second);
    return border;
}

// Every border once, from its state of the lower number.
std::vector<Border> bordersAndTheirSlots(const std::vector<std::vector<int>>& borders, const Candidates& candidates)
{
    std::vector<Border> list;
    for (std::size_t i = 0; i < borders.size(); ++i)
        for (const int j : borders[i])
            if (j >= static_cast<int>(i))
                list.push_back(borderAndItsSlots(static_cast<int>(i), j, candidates));
    return list;
}

// Gives the borders slots, one slot a border at most, by augmenting paths:
// a border takes a free slot of its own, or one whose border can move on to
// another. Returns the border each slot joins, or -1.
std::vector<int> matchBordersToSlots(const std::vector<Border>& borders, std::size_t slotCount)
{
    std::vector<int> owner(slotCount, -1);
    std::vector<char> seen;
    const std::function<bool(int)> augment = [&](int e) {
        for (const auto& [slot, to] : borders[static_cast<std::size_t>(e)].slots) {
            auto& visited = seen[static_cast<std::size_t>(slot)];
            if (visited)
                continue;
            visited = 1;
            int& held = owner[static_cast<std::size_t>(slot)];
            if (held < 0 || augment(held)) {
                held = e;
                return true;
            }
        }
        return false;
    };
    for (std::size_t e = 0; e < borders.size(); ++e) {
        seen.assign(slotCount, 0);
        augment(static_cast<int>(e));
    }
    return owner;
}

// The nearest state within the quarter that way; when there is none, the
// nearest anywhere on that side; the state itself when there is none either.
int nearestThatWay(const std::vector<MapState>& states, int from, Direction direction)
{
    const PointTw here = states[static_cast<std::size_t>(from)].anchor;
    int chosen = from;
    long long best = std::numeric_limits<long long>::max();
    for (const bool cone : {true, false}) {
        for (std::size_t j = 0; j < states.size(); ++j) {
            if (static_cast<int>(j) == from)
                continue;
            const auto c = moveCost(here, states[j].anchor, direction, cone);
            if (c && *c < best) {
                best = *c;
                chosen = static_cast<int>(j);
            }
        }
        if (chosen != from)
            break;
    }
    return chosen;
}

// A slot the matching gave a border that another arrow joins as well takes
// its own best choice instead.
void preferBestWhereJoinedTwice(std::vector<std::vector<int>>& neighbours, const Candidates& candidates)
{
    const auto key = [](int a, int b) { return std::pair{std::min(a, b), std::max(a, b)}; };
    std::map<std::pair<int, int>, int> joined;
    for (std::size_t i = 0; i < neighbours.size(); ++i)
        for (const int to : neighbours[i])
            ++joined[key(static_cast<int>(i), to)];
    for (std::size_t i = 0; i < neighbours.size(); ++i) {
        for (int d = 0; d < 4; ++d) {
            const auto& list = candidates[static_cast<std::size_t>(slotOf(static_cast<int>(i), d))];
            int& to = neighbours[i][static_cast<std::size_t>(d)];
            if (list.empty() || to == list.front() || joined[key(static_cast<int>(i), to)] < 2)
                continue;
            --joined[key(static_cast<int>(i), to)];
            to = list.front();
            ++joined[key(static_cast<int>(i), to)];
        }
    }
}

std::vector<PointTw> anchorsOf(const std::vector<MapState>& states)
{
    std::vector<PointTw> anchors;
    for (const MapState& s : states)
        anchors.push_back(s.anchor);
    return anchors;
}

} // namespace

StateMap::StateMap(const Board& board, std::string_view borders)
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
    for (auto& [code, s] : byCode) {
        s.land = s.anchor;
        for (const auto& [landCode, at] : board.map().landCentres)
            if (landCode == code)
                s.land = at;
        states_.push_back(std::move(s));
    }
    std::sort(states_.begin(), states_.end(), [](const MapState& a, const MapState& b) {
        const int bandA = a.anchor.y / kReadingBand;
        const int bandB = b.anchor.y / kReadingBand;
        if (bandA != bandB)
            return bandA < bandB;
        if (a.anchor.x != b.anchor.x)
            return a.anchor.x < b.anchor.x;
        return a.code < b.code;
    });

    readBorders(borders);
    chooseArrows();
}

void StateMap::readBorders(std::string_view borders)
{
    std::map<std::string, int, std::less<>> numberOf;
    for (std::size_t n = 0; n < states_.size(); ++n)
        numberOf.emplace(states_[n].code, static_cast<int>(n));
    borders_.assign(states_.size(), {});
    // Pairs "AB-CD" separated by spaces; a pair naming a state the board
    // does not have is passed over.
    while (!borders.empty()) {
        const std::size_t space = borders.find(' ');
        const std::string_view pair = borders.substr(0, space);
        borders = space == std::string_view::npos ? std::string_view{} : borders.substr(space + 1);
        const std::size_t dash = pair.find('-');
        if (dash == std::string_view::npos)
            continue;
        const auto a = numberOf.find(pair.substr(0, dash));
        const auto b = numberOf.find(pair.substr(dash + 1));
        if (a == numberOf.end() || b == numberOf.end() || a->second == b->second)
            continue;
        auto& ofA = borders_[static_cast<std::size_t>(a->second)];
        auto& ofB = borders_[static_cast<std::size_t>(b->second)];
        if (std::find(ofA.begin(), ofA.end(), b->second) != ofA.end())
            continue;
        ofA.push_back(b->second);
        ofB.push_back(a->second);
    }
    for (auto& list : borders_)
        std::sort(list.begin(), list.end());
}

// Each state has four arrows (slots) and each border must be joined by one
// of them, from either side, leading into the arrow's quarter of the
// compass: a matching of borders to slots, found by augmenting paths. Slots
// no border needs lead to their best bordering state that way, or, where
// none lies that way, to the nearest state that way.
void StateMap::chooseArrows()
{
    const Candidates candidates = candidatesOfEverySlot(states_, borders_);
    const std::vector<Border> borders = bordersAndTheirSlots(borders_, candidates);
    const std::vector<int> owner = matchBordersToSlots(borders, candidates.size());

    neighbours_.assign(states_.size(), std::vector<int>(4));
    for (std::size_t i = 0; i < states_.size(); ++i) {
        const int from = static_cast<int>(i);
        for (int d = 0; d < 4; ++d) {
            const auto slot = static_cast<std::size_t>(slotOf(from, d));
            int& to = neighbours_[i][static_cast<std::size_t>(d)];
            if (const int e = owner[slot]; e >= 0) {
                const Border& border = borders[static_cast<std::size_t>(e)];
                to = border.a == from ? border.b : border.a;
            } else if (!candidates[slot].empty()) {
                to = candidates[slot].front();
            } else {
                to = nearestThatWay(states_, from, static_cast<Direction>(d));
            }
        }
    }
    preferBestWhereJoinedTwice(neighbours_, candidates);
    std::vector<char> free(owner.size());
    for (std::size_t slot = 0; slot < owner.size(); ++slot)
        free[slot] = owner[slot] < 0;
    joinEveryState(neighbours_, anchorsOf(states_), free);
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
    for (int i = 0; i < board.map().nameCount(); ++i) {
        if (board.placedNameShown(i) && trimSpaces(board.panelName(i).tag) == state.code)
            return i;
    }
    return std::nullopt;
}

} // namespace orrinvale
