#include "WindowLoad.h"

#include "ApplySkin.h"
#include "Board.h"
#include "CursorFile.h"
#include "ErrorReport.h"
#include "ErrorTrap.h"
#include "SharedRoutines.h"

namespace orrinvale {

void loadWindow(StartUp& s)
{
    Board& board = s.board;
    ErrorTrap trap(board.services(), origin::kWindowLoad);

    trap.step(100, [&] { applySkin(board, s.skin, s.window); });
    const std::string cursor = board.programFile(files::kHandCursor);
    if (trap.test(102, [&] { return fileExists(cursor); })) {
        trap.step(104, [&] {
            const HotSpot hot = readCursorHotSpot(cursor);
            s.window.setMouseIcon(cursor, hot.x, hot.y);
        });
    }
    trap.step(106, [&] { s.window.setCaption(kProductName); });
    trap.step(106, [&] { s.window.setApplicationIcon(); });
    trap.step(106, [&] { board.services().app.title = shortenAppTitle(); });
    trap.step(108, [&] { maybeOpenHomePage(s.random, s.clock(), s.launcher, s.homePage); });

    board.setUp(trap);
}

} // namespace orrinvale
