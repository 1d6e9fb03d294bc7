#include "DragAndDrop.h"

namespace orrinvale {

DropTarget dropTargetAt(const Board& board, PointTw p)
{
    const BoardMap& map = board.map();
    // The buttons are windows of their own above everything else; outside
    // the client area nothing of the window receives a drop.
    if (!map.client.contains(p) || map.inBanner(layout::kRestartButton).contains(p) ||
        map.inBanner(layout::kExitButton).contains(p))
        return {};
    if (const auto region = board.regionAt(p))
        return {DropTarget::Region, *region};
    if (const auto name = board.nameAt(p))
        return {DropTarget::Name, *name};
    return {};
}

bool DragAndDrop::press(PointTw p)
{
    const DropTarget target = dropTargetAt(board_, p);
    if (target.kind != DropTarget::Name)
        return false;
    const RectTw box = board_.nameBox(target.index);
    source_ = target.index;
    grab_ = {p.x - box.left, p.y - box.top};
    pointer_ = p;
    return true;
}

void DragAndDrop::move(PointTw p)
{
    if (!source_)
        return;
    pointer_ = p;
    const DropTarget target = dropTargetAt(board_, p);
    if (target.kind == DropTarget::Name)
        board_.dragOverName(target.index, *source_);
}

DropResult DragAndDrop::release(PointTw p)
{
    if (!source_)
        return {};
    const int source = *source_;
    source_.reset();
    pointer_ = p;
    const DropTarget target = dropTargetAt(board_, p);
    if (target.kind == DropTarget::Region)
        return board_.dropOnRegion(static_cast<std::int16_t>(target.index), source);
    if (target.kind == DropTarget::Name)
        board_.dropOnName(target.index, source);
    return {};
}

RectTw DragAndDrop::outline() const
{
    // A name another hand placed meanwhile is no longer carried.
    if (!source_ || board_.takenFromPanel(*source_))
        return {};
    const RectTw box = board_.nameBox(*source_);
    return {pointer_.x - grab_.x, pointer_.y - grab_.y, box.width, box.height};
}

bool DragAndDrop::showsPushPin() const
{
    return source_ && board_.panelName(*source_).dragShowsPushPin;
}

} // namespace orrinvale
