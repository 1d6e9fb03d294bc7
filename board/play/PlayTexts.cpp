#include "PlayTexts.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>

namespace orrinvale::texts {

const char* const kHelp =
    "Playing with the keys:\n"
    "\n"
    "F6\tGo to the state names, or between the names and the map\n"
    "Tab\tGo to the next part of the window: Restart, Exit, names, map\n"
    "Arrow keys\tChoose a name, or move to the next state that way\n"
    "Home, End\tThe first or last name, or state\n"
    "A letter\tThe next name starting with it\n"
    "Space, Enter\tPick up the chosen name, or drop the held name on the state\n"
    "Escape\tLet go of the held name\n"
    "F1\tThis help\n"
    "\n"
    "A right drop places the name and brings you back to the next name; "
    "after a wrong one you still hold the name.";

std::string stateName(const KeyboardPlay& play, int state)
{
    if (state < 0 || state >= play.map().size())
        return {};
    if (const auto name = placedNameOn(play.board(), play.map().state(state)))
        return std::string(layout::shownPart(play.board().panelName(*name).caption));
    return "Unnamed " + play.board().map().noun + " " + std::to_string(state + 1);
}

namespace {

// The part of the map a state lies in: the map in thirds each way, by where
// the states' land lies.
std::string partOfMap(const StateMap& map, int state)
{
    int left = INT_MAX, right = INT_MIN, top = INT_MAX, bottom = INT_MIN;
    for (const MapState& s : map.states()) {
        left = std::min(left, s.land.x);
        right = std::max(right, s.land.x);
        top = std::min(top, s.land.y);
        bottom = std::max(bottom, s.land.y);
    }
    const PointTw at = map.state(state).land;
    const int column = std::clamp((at.x - left) * 3 / std::max(1, right - left + 1), 0, 2);
    const int row = std::clamp((at.y - top) * 3 / std::max(1, bottom - top + 1), 0, 2);
    static constexpr const char* kRows[] = {"north", "", "south"};
    static constexpr const char* kColumns[] = {"west", "", "east"};
    std::string part = std::string(kRows[row]) + (row != 1 && column != 1 ? "-" : "") + kColumns[column];
    return part.empty() ? "middle" : part;
}

// "A, B and 2 more unnamed states": the placed names of the states, then
// how many are still unnamed; `others` are names of places off the map.
std::string listOf(const KeyboardPlay& play, const std::vector<int>& states, std::vector<std::string> others = {})
{
    std::vector<std::string> placed;
    int unnamed = 0;
    for (const int n : states) {
        if (const auto name = placedNameOn(play.board(), play.map().state(n)))
            placed.emplace_back(layout::shownPart(play.board().panelName(*name).caption));
        else
            ++unnamed;
    }
    placed.insert(placed.end(), others.begin(), others.end());
    if (unnamed > 0)
        placed.push_back(std::to_string(unnamed) + (placed.empty() ? "" : " more") + " unnamed " +
                         (unnamed == 1 ? play.board().map().noun : play.board().map().nounPlural));
    std::string list;
    for (std::size_t k = 0; k < placed.size(); ++k)
        list += (k == 0 ? "" : k + 1 == placed.size() ? " and " : ", ") + placed[k];
    return list;
}

// A state's placed name, or "an unnamed state" while none is placed on it.
std::string placedOrUnnamed(const KeyboardPlay& play, int state)
{
    if (const auto name = placedNameOn(play.board(), play.map().state(state)))
        return std::string(layout::shownPart(play.board().panelName(*name).caption));
    return "an unnamed " + play.board().map().noun;
}

std::optional<int> stateOfCode(const StateMap& map, std::string_view code)
{
    for (int n = 0; n < map.size(); ++n)
        if (map.state(n).code == code)
            return n;
    return std::nullopt;
}

// An island country: how many islands, in which part of the map, and the
// countries that share them or else the nearest and which way it lies.
std::string islandWhereabouts(const KeyboardPlay& play, const IslandFacts& isle, const std::string& part)
{
    const std::string where = " in the " + part + " of the map";
    std::vector<int> sharers;
    std::vector<std::string> offMap;
    for (const std::string_view s : isle.sharesWith) {
        const std::size_t equals = s.find('=');
        if (equals != std::string_view::npos)
            offMap.emplace_back(s.substr(equals + 1));
        else if (const auto n = stateOfCode(play.map(), s))
            sharers.push_back(*n);
    }
    if (!sharers.empty() || !offMap.empty())
        return (isle.islands == 1 ? "In the " + part + " of the map, sharing its island with "
                                  : "Islands" + where + ", sharing land with ") +
               listOf(play, sharers, offMap);
    const std::string kind = isle.islands == 1 ? "An island" : "Islands";
    const auto near = stateOfCode(play.map(), isle.nearest);
    if (!near)
        return kind + where;
    return kind + where + ", nearest " + placedOrUnnamed(play, *near) + ", to the " + std::string(isle.way);
}

// Where a state lies, in words that may fit another state as well.
std::string roughWhereabouts(const KeyboardPlay& play, int state)
{
    const StateMap& map = play.map();
    const std::string part = partOfMap(map, state);
    for (const IslandFacts& isle : play.board().map().islands)
        if (isle.code == map.state(state).code)
            return islandWhereabouts(play, isle, part);
    const std::vector<int>& near = map.bordering(state);
    if (near.empty())
        return "On its own, in the " + part + " of the map";
    return "In the " + part + " of the map, bordering " + listOf(play, near);
}

// Whether two states would be told in the same words whatever names are
// placed: in the same part of the map, with the same neighbours, and
// neither on islands.
bool toldAlike(const KeyboardPlay& play, int a, int b)
{
    const StateMap& map = play.map();
    for (const IslandFacts& isle : play.board().map().islands)
        if (isle.code == map.state(a).code || isle.code == map.state(b).code)
            return false;
    return partOfMap(map, a) == partOfMap(map, b) && map.bordering(a) == map.bordering(b);
}

// Which way one point lies from another, in eight.
std::string wayFrom(PointTw from, PointTw to)
{
    static constexpr const char* kWays[] = {"east", "south-east", "south", "south-west",
                                            "west", "north-west", "north", "north-east"};
    const double angle = std::atan2(static_cast<double>(to.y - from.y), static_cast<double>(to.x - from.x));
    return kWays[static_cast<int>(std::lround(angle / (std::acos(-1.0) / 4))) & 7];
}

} // namespace

std::string whereabouts(const KeyboardPlay& play, int state)
{
    const StateMap& map = play.map();
    if (state < 0 || state >= map.size())
        return {};
    // Two states told alike (Nepal and Bhutan between China and India) are
    // told apart by which way each lies from the other.
    const std::string rough = roughWhereabouts(play, state);
    for (int other = 0; other < map.size(); ++other) {
        if (other == state || !toldAlike(play, state, other))
            continue;
        return rough + ", " + wayFrom(map.state(other).land, map.state(state).land) + " of " + placedOrUnnamed(play, other);
    }
    return rough;
}

std::string namePosition(const KeyboardPlay& play, int name)
{
    if (!play.grid().unplaced(name))
        return {};
    int position = 0;
    int count = 0;
    for (int i = 0; i < play.board().map().nameCount(); ++i) {
        if (play.grid().unplaced(i)) {
            ++count;
            if (i <= name)
                ++position;
        }
    }
    return std::to_string(position) + " of " + std::to_string(count);
}

std::string resultText(const KeyboardPlay& play, const Reaction& reaction)
{
    if (reaction.kind == Reaction::NothingHeld)
        return inTermsOf(play.board().map(), "No name is held: pick one up in the state names first");
    if (reaction.name < 0)
        return {};
    const std::string name(layout::shownPart(play.board().panelName(reaction.name).caption));
    switch (reaction.kind) {
    case Reaction::PickedUp: return name + inTermsOf(play.board().map(), " picked up: choose its state on the map");
    case Reaction::LetGo: return name + " let go";
    case Reaction::Right:
        return "Right: " + name + " placed, " + std::to_string(play.board().placedCount) + " of " +
               std::to_string(play.board().map().nameCount());
    case Reaction::Wrong: return "Wrong: " + name + " does not go there";
    case Reaction::Completed: return "The map is complete: a new board is dealt";
    default: return {};
    }
}

} // namespace orrinvale::texts
