#include "KeyboardPlay.h"

namespace orrinvale {

KeyboardPlay::KeyboardPlay(Board& board, StateMap map)
    : board_(board), map_(std::move(map)), grid_(board), currentName_(grid_.first()),
      currentState_(map_.empty() ? -1 : 0)
{
}

static std::optional<Direction> directionOf(PlayKey key)
{
    switch (key) {
    case PlayKey::Left: return Direction::Left;
    case PlayKey::Right: return Direction::Right;
    case PlayKey::Up: return Direction::Up;
    case PlayKey::Down: return Direction::Down;
    default: return std::nullopt;
    }
}

Reaction KeyboardPlay::namesKey(PlayKey key)
{
    if (!grid_.unplaced(currentName_))
        currentName_ = grid_.first();
    if (currentName_ < 0)
        return {};
    const int before = currentName_;
    if (const auto direction = directionOf(key))
        currentName_ = grid_.step(currentName_, *direction);
    else if (key == PlayKey::Home)
        currentName_ = grid_.first();
    else if (key == PlayKey::End)
        currentName_ = grid_.last();
    else if (key == PlayKey::Activate)
        return pickUp(currentName_);
    else if (key == PlayKey::Escape)
        return letGo();
    if (currentName_ == before)
        return {};
    return {Reaction::Moved, currentName_, Stop::Names};
}

Reaction KeyboardPlay::namesLetter(char letter)
{
    const int before = currentName_;
    currentName_ = grid_.nextStartingWith(currentName_, letter);
    if (currentName_ == before)
        return {};
    return {Reaction::Moved, currentName_, Stop::Names};
}

Reaction KeyboardPlay::mapKey(PlayKey key)
{
    if (map_.empty())
        return {};
    const int before = currentState_;
    if (const auto direction = directionOf(key))
        currentState_ = map_.neighbour(currentState_, *direction);
    else if (key == PlayKey::Home)
        currentState_ = 0;
    else if (key == PlayKey::End)
        currentState_ = map_.size() - 1;
    else if (key == PlayKey::Activate)
        return dropOn(currentState_);
    else if (key == PlayKey::Escape)
        return letGo();
    if (currentState_ == before)
        return {};
    return {Reaction::Moved, -1, Stop::Map};
}

Reaction KeyboardPlay::pickUp(int name)
{
    if (!grid_.unplaced(name) || board_.services().boxes.anyOpen())
        return {};
    held_ = name;
    currentName_ = name;
    return {Reaction::PickedUp, name, map_.empty() ? std::nullopt : std::optional(Stop::Map)};
}

Reaction KeyboardPlay::dropOn(int state)
{
    if (state < 0 || state >= map_.size())
        return {};
    return dropOnRegion(map_.state(state).regions.front());
}

Reaction KeyboardPlay::dropOnRegion(int region)
{
    if (!held_)
        return {Reaction::NothingHeld, -1, std::nullopt};
    if (board_.services().boxes.anyOpen())
        return {};  // the board waits for the box
    if (const auto state = map_.stateOfRegion(region))
        currentState_ = *state;
    const int name = *held_;
    const DropResult result = board_.dropOnRegion(static_cast<std::int16_t>(region), name);
    switch (result.kind) {
    case DropResult::Right:
        held_.reset();
        // After the last name the board was dealt afresh (empty, or with the
        // names a practice round starts with placed).
        currentName_ = result.completed ? grid_.first() : grid_.nextAfter(name);
        return {result.completed ? Reaction::Completed : Reaction::Right, name, Stop::Names};
    case DropResult::Wrong:
        boardChanged();
        if (held_)
            return {Reaction::Wrong, name, std::nullopt};
        // The verdict failed half-way and left the name out of the panel.
        return {Reaction::LetGo, name, Stop::Names};
    case DropResult::NotInPanel:
        boardChanged();  // placed by another hand: no longer held
        return {Reaction::LetGo, name, Stop::Names};
    default:
        return {};
    }
}

Reaction KeyboardPlay::letGo()
{
    if (!held_)
        return {};
    const int name = *held_;
    held_.reset();
    currentName_ = name;
    return {Reaction::LetGo, name, Stop::Names};
}

Reaction KeyboardPlay::pressedAt(PointTw p)
{
    if (!clickToPlace_ || !held_)
        return {};
    const DropTarget target = dropTargetAt(board_, p);
    if (target.kind != DropTarget::Region)
        return {};
    Reaction reaction = dropOnRegion(target.index);
    reaction.focus.reset();  // a click moves no keyboard focus
    return reaction;
}

Reaction KeyboardPlay::releasedAt(int source, PointTw p)
{
    if (!clickToPlace_ || source < 0)
        return {};
    const DropTarget target = dropTargetAt(board_, p);
    if (target.kind != DropTarget::Name || target.index != source)
        return {};
    Reaction reaction = pickUp(source);
    reaction.focus.reset();  // the mouse stays where it is; the keyboard focus too
    return reaction;
}

void KeyboardPlay::focusName(int name)
{
    if (grid_.unplaced(name))
        currentName_ = name;
}

void KeyboardPlay::focusState(int state)
{
    if (state >= 0 && state < map_.size())
        currentState_ = state;
}

void KeyboardPlay::boardChanged()
{
    if (held_ && !grid_.unplaced(*held_))
        held_.reset();
    if (!grid_.unplaced(currentName_))
        currentName_ = grid_.nextAfter(currentName_);
}

} // namespace orrinvale
