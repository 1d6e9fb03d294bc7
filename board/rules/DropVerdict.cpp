// The verdict on a name dropped on a drop region of the map, and the two
// small handlers of drags over and drops on the names of the panel.
#include "Board.h"

#include "ErrorReport.h"
#include "ErrorTrap.h"
#include "RuntimeError.h"

namespace orrinvale {

void Board::dragOverName(int /*index*/, int source)
{
    panelName(source).dragShowsPushPin = true;
}

bool Board::takenFromPanel(int source) const
{
    // A source that is no name at all is left to the verdict, which reports it.
    return source >= 0 && source < map_.nameCount() && !panelNames_[static_cast<std::size_t>(source)].visible;
}

void Board::dropOnName(int /*index*/, int source)
{
    if (takenFromPanel(source))
        return;  // placed meanwhile: it stays on the map
    panelName(source).visible = true;
}

void Board::placeAhead(int source)
{
    if (takenFromPanel(source))
        return;
    PanelName& name = panelName(source);
    name.visible = false;
    placedName(source).visible = true;
    for (int k = 0; k < map_.lineCount(); ++k) {
        if (name.tag == map_.leaderLines[static_cast<std::size_t>(k)].code) {
            lineVisible_[static_cast<std::size_t>(k)] = true;
            break;
        }
    }
    if (placedCount < INT16_MAX)
        ++placedCount;
}

DropResult Board::dropOnRegion(std::int16_t index, int source)
{
    if (takenFromPanel(source))
        return {DropResult::NotInPanel};  // placed meanwhile by another hand: counted once
    if (services_.boxes.anyOpen())
        return {DropResult::BoxOpen};
    ErrorTrap trap(services_, origin::kDropVerdict);

    const bool correct = trap.test(108, [&] {
        return trimSpaces(region(index).tag) == trimSpaces(panelName(source).tag);
    });
    if (!correct) {
        trap.step(158, [&] { panelName(source).visible = true; });
        trap.step(160, [&] { playClip(clips::kWrong); });
        const DropResult wrong{DropResult::Wrong};
        if (services_.rounds)
            services_.rounds->dropped(*this, source, wrong);
        return wrong;
    }
    placeRightly(trap, source);
    DropResult right{DropResult::Right};
    if (services_.rounds)
        services_.rounds->dropped(*this, source, right);
    if (!trap.test(150, [&] { return complete(); }))
        return right;
    if (services_.rounds)
        services_.rounds->completed(*this);
    trap.step(152, [&] { playClip(clips::kComplete); });
    trap.step(154, [&] { services_.boxes.show(services_.app.title, kCongratulations, BoxIcon::None); });
    if (services_.rounds)
        services_.rounds->congratulated(*this);
    trap.step(156, [&] { restart(); });
    right.completed = true;
    return right;
}

void Board::placeRightly(ErrorTrap& trap, int source)
{
    trap.step(110, [&] { panelName(source).visible = false; });
    trap.step(112, [&] { placedName(source).visible = true; });

    // The leader line is chosen on the tag as stored, untrimmed.
    std::string tag;
    trap.step(114, [&] { tag = panelName(source).tag; });
    for (int k = 0; k < map_.lineCount(); ++k) {
        const int line = 114 + 4 * k;  // "CT" at 114 ... "VT" at 142
        if (trap.test(line, [&] { return tag == map_.leaderLines[static_cast<std::size_t>(k)].code; })) {
            trap.step(line + 2, [&] { lineVisible_[static_cast<std::size_t>(k)] = true; });
            break;
        }
    }

    trap.step(146, [&] {
        if (placedCount == INT16_MAX)
            throw RuntimeError(errors::kOverflow);
        ++placedCount;
    });
    trap.step(148, [&] { playClip(clips::kCorrect); });
}

} // namespace orrinvale
