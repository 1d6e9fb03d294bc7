// The board set-up at the end of the window's load: the state table fills the
// names of the panel, the hit rectangles become drop regions, and the board is
// dealt.
#include "Board.h"

#include "ErrorReport.h"
#include "ErrorTrap.h"
#include "RuntimeError.h"
#include "StateTable.h"

#include <climits>

namespace orrinvale {

void Board::setUp(ErrorTrap& trap)
{
    trap.step(126, [&] { backColor = layout::kWhite; });
    trap.step(128, [&] { placedCount = 0; });
    readStateTable(trap);
    loadRegions(trap);
    trap.step(170, [&] { restart(); });
}

void Board::readStateTable(ErrorTrap& trap)
{
    StateTableFile file;
    trap.step(130, [&] { file.open(programFile(map_.table)); });
    std::int32_t n = 0;
    trap.step(132, [&] { n = 0; });
    // A table that could not be opened is not read at all. A failing end test
    // leaves the loop, so the reading can never spin.
    bool endTestFailed = false;
    while (file.isOpen() && !endTestFailed) {
        bool more = true;
        if (!trap.step(134, [&] { more = !file.atEnd(); }))
            endTestFailed = true;
        if (!more || endTestFailed)
            break;
        // A line that cannot be read ends the reading: the rest of the file
        // cannot be trusted to start at a line's beginning.
        std::string line;
        if (!trap.step(136, [&] { line = file.readLine(); }))
            break;
        std::vector<std::string> fields;
        // Only a record's name and code are read: the fields after them are
        // never kept (a line of commas would otherwise be millions of strings).
        trap.step(138, [&] { fields = splitFields(line, 2); });
        // A line may be megabytes long: the line and its fields are not held
        // twice longer than needed, and each field moves into its slot.
        std::string().swap(line);
        auto field = [&](std::size_t k) -> std::string& {
            if (k >= fields.size())
                throw RuntimeError(errors::kSubscriptOutOfRange);
            return fields[k];
        };
        trap.step(140, [&] {
            PanelName& slot = panelName(n);
            slot.caption = std::move(field(0));
        });
        trap.step(142, [&] {
            PanelName& slot = panelName(n);
            slot.tag = std::move(field(1));
        });
        trap.step(144, [&] {
            if (n == INT32_MAX)
                throw RuntimeError(errors::kOverflow);
            ++n;
        });
    }

}

void Board::loadRegions(ErrorTrap& trap)
{
    for (std::int16_t j = 0; j < map_.regionCount(); ++j) {  // line 146
        const layout::HitRect& shape = map_.regions[static_cast<std::size_t>(j)];
        if (trap.test(150, [&] { return j > 0; }))
            trap.step(152, [&] { loadRegion(j); });
        trap.step(154, [&] { region(j).box.left = shape.box.left; });
        trap.step(156, [&] { region(j).box.top = shape.box.top; });
        trap.step(158, [&] { region(j).box.width = shape.box.width; });
        trap.step(160, [&] { region(j).box.height = shape.box.height; });
        trap.step(162, [&] { region(j).tag = std::string(shape.tag); });
        trap.step(166, [&] { region(j).visible = true; });
        trap.step(168, [&] { bringToFront(region(j)); });
    }
}

void setUpBoard(Board& board)
{
    ErrorTrap trap(board.services(), origin::kWindowLoad);
    board.setUp(trap);
}

} // namespace orrinvale
