// The window's load: skin, hand cursor, caption, title and home page, then
// the board.
#include "LoadFixture.h"

#include <gtest/gtest.h>

using namespace orrinvale;
using namespace orrinvale::testing;

TEST(WindowLoad, StartsUpAndDealsTheBoard)
{
    Load l;
    l.run();
    EXPECT_TRUE(l.boxes.shown.empty());
    EXPECT_EQ(l.window.caption, "Orrinvale");
    EXPECT_TRUE(l.window.hasIcon);
    EXPECT_EQ(l.app.title, "Orrinvale");
    EXPECT_TRUE(l.engine.calls.empty());
    EXPECT_TRUE(l.window.mouseIcon.empty());
    EXPECT_TRUE(l.launcher.opened.empty());
    EXPECT_EQ(l.board.panelName(0).caption, "Alabama");
}

TEST(WindowLoad, HomePageOpensOnDrawSevenAndAFailingLaunchIsReportedAt108)
{
    Load l;
    l.random.draw = 0.065;
    l.launcher.fail = true;
    l.run();
    EXPECT_EQ(l.launcher.opened.size(), 1u);
    EXPECT_EQ(l.boxes.reportedLines(), std::vector<int>{108});
    EXPECT_NE(l.boxes.shown[0].text.find("File not found\r\nin Orrinvale2021/08/31.Form1.Form_Load at line 108"),
              std::string::npos);
    EXPECT_EQ(l.board.panelName(49).caption, "Wyoming");
}

TEST(WindowLoad, HandCursorIsReadWithItsHotSpotOrReportedAt104)
{
    {
        Load l;
        l.folder.write(files::kHandCursor, cursorFile(9, 1));
        l.run();
        EXPECT_TRUE(l.boxes.shown.empty());
        EXPECT_EQ(l.window.mouseIcon, (l.folder / files::kHandCursor).string());
        EXPECT_EQ(l.window.hotX, 9);
        EXPECT_EQ(l.window.hotY, 1);
    }
    for (const std::string& bad : {std::string(), std::string("not a cursor at all, just text"),
                                  cursorFile(40, 1), cursorFile(1, 1).substr(0, 30), cursorFile(1, 1, {pngPicture(2100, 2100)}), std::string("folder")}) {
        Load l;
        if (bad == "folder")
            std::filesystem::create_directory(l.folder / files::kHandCursor);
        else
            l.folder.write(files::kHandCursor, bad);
        l.run();
        EXPECT_EQ(l.boxes.reportedLines(), std::vector<int>{104}) << bad.size();
        EXPECT_TRUE(l.window.mouseIcon.empty());
        EXPECT_EQ(l.window.caption, "Orrinvale");
    }
}
