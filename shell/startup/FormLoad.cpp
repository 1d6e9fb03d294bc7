#include "FormLoad.h"

#include "ApplySkin.h"
#include "Board.h"
#include "CursorFile.h"
#include "ErrorReport.h"
#include "ErrorTrap.h"
#include "Main.h"

namespace orrinvale {

void Form_Load(StartUp& s)
{
    Board& board = s.board;
    ErrorTrap trap(board.services(), origin::kFormLoad);

    trap.step(100, [&] { ApplySkin(board, s.skin, s.window); });
    const std::string cursor = board.programFile(files::kHandCursor);
    if (trap.test(102, [&] { return FileExists(cursor); })) {
        trap.step(104, [&] {
            const HotSpot hot = readCursorHotSpot(cursor);
            s.window.setMouseIcon(cursor, hot.x, hot.y);
        });
    }
    trap.step(106, [&] { s.window.setCaption(kProductName); });
    trap.step(106, [&] { s.window.setApplicationIcon(); });
    trap.step(106, [&] { board.services().app.title = ShortenAppTitle(); });
    trap.step(108, [&] { MaybeOpenHomePage(s.random, s.clock(), s.launcher, s.homePage); });

    board.setUp(trap);
}

} // namespace orrinvale
