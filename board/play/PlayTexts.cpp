#include "PlayTexts.h"

#include <algorithm>
#include <climits>

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

std::string whereabouts(const KeyboardPlay& play, int state)
{
    const StateMap& map = play.map();
    if (state < 0 || state >= map.size())
        return {};
    // The map in thirds each way, by the states' anchors.
    int left = INT_MAX, right = INT_MIN, top = INT_MAX, bottom = INT_MIN;
    for (const MapState& s : map.states()) {
        left = std::min(left, s.anchor.x);
        right = std::max(right, s.anchor.x);
        top = std::min(top, s.anchor.y);
        bottom = std::max(bottom, s.anchor.y);
    }
    const PointTw at = map.state(state).anchor;
    const int column = std::clamp((at.x - left) * 3 / std::max(1, right - left + 1), 0, 2);
    const int row = std::clamp((at.y - top) * 3 / std::max(1, bottom - top + 1), 0, 2);
    static constexpr const char* kRows[] = {"north", "", "south"};
    static constexpr const char* kColumns[] = {"west", "", "east"};
    std::string part = std::string(kRows[row]) + (row != 1 && column != 1 ? "-" : "") + kColumns[column];
    if (part.empty())
        part = "middle";

    const std::vector<int>& near = map.bordering(state);
    if (near.empty())
        return "On its own, in the " + part + " of the map";
    std::vector<std::string> placed;
    int unnamed = 0;
    for (const int n : near) {
        if (const auto name = placedNameOn(play.board(), map.state(n)))
            placed.emplace_back(layout::shownPart(play.board().panelName(*name).caption));
        else
            ++unnamed;
    }
    if (unnamed > 0)
        placed.push_back(std::to_string(unnamed) + (placed.empty() ? "" : " more") + " unnamed " +
                         (unnamed == 1 ? play.board().map().noun : play.board().map().nounPlural));
    std::string list;
    for (std::size_t k = 0; k < placed.size(); ++k)
        list += (k == 0 ? "" : k + 1 == placed.size() ? " and " : ", ") + placed[k];
    return "In the " + part + " of the map, bordering " + list;
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
