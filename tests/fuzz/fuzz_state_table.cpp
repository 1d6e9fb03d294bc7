// The board set-up over any state table: it never crashes, never spins, and
// gives exactly two reports at most for each record, then deals the board.
#include "FuzzFile.h"
#include "ProgramFiles.h"
#include "QuietBoard.h"

#include <cstdlib>

using namespace orrinvale;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto folder = fuzzing::scratchFolder();
    fuzzing::writeFile(folder / files::relativePath(files::kStateTable), data, size);

    const QuietBoard dealt(folder.string());
    const Board& board = dealt.board;

    std::size_t records = 1;
    for (std::size_t k = 0; k < size; ++k)
        records += data[k] == '\r';
    if (dealt.reports() > 2 * records || board.placedCount != 0 || board.regions().size() != 79)
        std::abort();
    for (int i = 0; i < 50; ++i) {
        if (!board.panelName(i).visible || board.placedNameShown(i))
            std::abort();
    }
    return 0;
}
