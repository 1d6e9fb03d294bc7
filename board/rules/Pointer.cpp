// Pointer feedback: the hand over the two buttons, the arrow over the
// window's bare margins, and the busy pointer left alone.
#include "Board.h"

namespace orrinvale {

void Board::setPointerUnlessBusy(int value)
{
    if (mousePointer == kBusyPointer)
        return;
    mousePointer = value;
}

void Board::pointerOverWindow() { setPointerUnlessBusy(kDefaultPointer); }
void Board::pointerOverRestart() { setPointerUnlessBusy(kCustomPointer); }
void Board::pointerOverExit() { setPointerUnlessBusy(kCustomPointer); }

bool Board::isBareArea(PointTw p) const
{
    using namespace layout;
    if (!map_.client.contains(p))
        return false;
    if ((mapVisible_ && map_.mapPicture.contains(p)) || map_.banner.contains(p))
        return false;
    for (const RectTw& control : {kRestartButton, kExitButton, kInstructionsTitle, kInstructionsText}) {
        if (map_.inBanner(control).contains(p))
            return false;
    }
    if (regionAt(p) || nameAt(p))
        return false;
    for (int i = 0; i < map_.nameCount(); ++i) {
        if (placedNames_[static_cast<std::size_t>(i)].visible &&
            map_.placedNames[static_cast<std::size_t>(i)].box.contains(p))
            return false;
    }
    return true;
}

} // namespace orrinvale
