#include "Board.h"

#include "ErrorReport.h"
#include "ErrorTrap.h"
#include "RuntimeError.h"


namespace orrinvale {

Board::Board(Services& services, const BoardMap& map)
    : services_(services), map_(map), panelNames_(static_cast<std::size_t>(map.nameCount())),
      placedNames_(panelNames_.size()),
      lineVisible_(static_cast<std::size_t>(map.lineCount()), 1)  // visible as laid out, until the first deal
{
    regions_.emplace(0, Region{});
}

PanelName& Board::panelName(long long index)
{
    if (index < 0 || index >= map_.nameCount())
        throw RuntimeError(errors::missingElement(index));
    return panelNames_[static_cast<std::size_t>(index)];
}

const PanelName& Board::panelName(long long index) const
{
    return const_cast<Board*>(this)->panelName(index);
}

std::string_view Board::placedCaption(int index) const
{
    if (map_.placedFromTable)
        return layout::shownPart(panelName(index).caption);
    return map_.placedNames.at(static_cast<std::size_t>(index)).caption;
}

PlacedName& Board::placedName(long long index)
{
    if (index < 0 || index >= map_.nameCount())
        throw RuntimeError(errors::missingElement(index));
    return placedNames_[static_cast<std::size_t>(index)];
}

Region& Board::region(long long index)
{
    const auto it = regions_.find(static_cast<int>(index));
    if (index < 0 || index > INT16_MAX || it == regions_.end())
        throw RuntimeError(errors::missingElement(index));
    return it->second;
}

void Board::loadRegion(int index)
{
    if (regions_.count(index))
        throw RuntimeError("Object already loaded");
    // A new element starts as a copy of element 0, hidden.
    Region copy = region(0);
    copy.visible = false;
    copy.zOrder = 0;
    regions_.emplace(index, copy);
}

void Board::bringToFront(Region& region)
{
    region.zOrder = ++topZ_;
}

std::string Board::programFile(const std::string& relative) const
{
    return joinProgramPath(services_.app.programFolder, relative);
}

void Board::playClip(const char* relativePath)
{
    services_.player.play(services_.app.programFolder + relativePath);
}

void Board::restart()
{
    if (services_.boxes.anyOpen())
        return;
    ErrorTrap trap(services_, origin::kRestart);
    trap.step(100, [&] { placedCount = 0; });
    for (std::int16_t i = 0; i < map_.nameCount(); ++i) {  // line 102
        trap.step(104, [&] { placedName(i).visible = false; });
        trap.step(106, [&] { panelName(i).visible = true; });
    }
    for (int k = 0; k < map_.lineCount(); ++k)  // Line1 at 108 ... Line8 at 122
        trap.step(108 + 2 * k, [&] { lineVisible_[static_cast<std::size_t>(k)] = false; });
    trap.step(124, [&] { mapVisible_ = true; });
    if (services_.rounds)
        services_.rounds->dealt(*this);
}

void Board::exitQuiz(WindowHost& window)
{
    if (services_.boxes.anyOpen())
        return;
    ErrorTrap trap(services_, origin::kExit);
    trap.step(100, [&] { window.unload(); });
}

std::optional<int> Board::regionAt(PointTw p) const
{
    std::optional<int> front;
    int frontZ = 0;
    for (const auto& [index, region] : regions_) {
        if (!region.visible || !region.box.contains(p))
            continue;
        if (!front || region.zOrder >= frontZ) {
            front = index;
            frontZ = region.zOrder;
        }
    }
    return front;
}

std::optional<int> Board::nameAt(PointTw p) const
{
    for (int i = map_.nameCount() - 1; i >= 0; --i) {
        if (panelNames_[static_cast<std::size_t>(i)].visible && nameBox(i).contains(p))
            return i;
    }
    return std::nullopt;
}

std::string trimSpaces(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}


} // namespace orrinvale
