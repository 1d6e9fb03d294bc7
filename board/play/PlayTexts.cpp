#include "PlayTexts.h"

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
        return std::string(layout::shownPart(play.board().labels(*name).caption));
    return "Unnamed state " + std::to_string(state + 1);
}

std::string resultText(const KeyboardPlay& play, const Reaction& reaction)
{
    if (reaction.kind == Reaction::NothingHeld)
        return "No name is held: pick one up in the state names first";
    if (reaction.name < 0)
        return {};
    const std::string name(layout::shownPart(play.board().labels(reaction.name).caption));
    switch (reaction.kind) {
    case Reaction::PickedUp: return name + " picked up: choose its state on the map";
    case Reaction::LetGo: return name + " let go";
    case Reaction::Right:
        return "Right: " + name + " placed, " + std::to_string(play.board().placedCount) + " of " +
               std::to_string(layout::kStateCount);
    case Reaction::Wrong: return "Wrong: " + name + " does not go there";
    case Reaction::Completed: return "The map is complete: a new board is dealt";
    default: return {};
    }
}

} // namespace orrinvale::texts
