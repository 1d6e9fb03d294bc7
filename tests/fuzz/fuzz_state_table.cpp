// The board set-up over any state table: it never crashes, never spins, and
// gives exactly two reports at most for each record, then deals the board.
#include "Board.h"
#include "ErrorReport.h"
#include "ErrorTrap.h"
#include "FuzzFile.h"
#include "StateTable.h"

#include <cstdlib>

using namespace orrinvale;

namespace {

class CountingBoxes : public MessageBoxes {
public:
    void show(const std::string&, const std::string&, BoxIcon) override { ++count; }
    std::size_t count = 0;
};

class Silent : public ClipPlayer {
public:
    void play(const std::string&) override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto folder = fuzzing::scratchFolder();
    fuzzing::writeFile(folder / kStateTableName, data, size);

    CountingBoxes boxes;
    Silent player;
    AppInfo app{folder.string(), "Orrinvale", "x"};
    Services services{boxes, player, app};
    Board board(services);
    ErrorTrap trap(services, origin::kFormLoad);
    board.setUp(trap);

    std::size_t records = 1;
    for (std::size_t k = 0; k < size; ++k)
        records += data[k] == '\r';
    if (boxes.count > 2 * records || board.placedCount != 0 || board.regions().size() != 79)
        std::abort();
    for (int i = 0; i < 50; ++i) {
        if (!board.labels(i).visible || board.maplabelVisible(i))
            std::abort();
    }
    return 0;
}
