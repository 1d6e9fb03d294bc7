// The optional skin as the window's load applies it.
#include "ApplySkin.h"
#include "LoadFixture.h"

#include <gtest/gtest.h>

using namespace orrinvale;
using namespace orrinvale::testing;

TEST(ApplySkin, AbsentSkinChangesNothing)
{
    for (const bool folderInItsPlace : {false, true}) {
        Load l;
        if (folderInItsPlace)
            std::filesystem::create_directories(l.folder / files::kSkin);
        applySkin(l.board, l.engine, l.window);
        EXPECT_TRUE(l.engine.calls.empty());
        EXPECT_EQ(l.board.backColor, layout::kWhite);
    }
}

TEST(ApplySkin, PresentSkinRecoloursLoadsTheFileAndAppliesItToTheWindow)
{
    Load l;
    l.folder.write(files::kSkin, "QPushButton { color: navy; }");
    applySkin(l.board, l.engine, l.window);
    EXPECT_EQ(l.board.backColor, layout::kButtonFace);
    EXPECT_EQ(l.engine.calls,
              (std::vector<std::string>{"load " + l.board.programFile(files::kSkin), "apply 4242"}));

    // After the whole load the board is white again.
    Load full;
    full.folder.write(files::kSkin, "QPushButton { color: navy; }");
    full.run();
    EXPECT_EQ(full.board.backColor, layout::kWhite);
}

TEST(ApplySkin, EngineErrorIsReportedAt100AndStartUpGoesOn)
{
    Load l;
    l.folder.write(files::kSkin, "QPushButton { color: navy; }");
    l.engine.failOn = "load";
    l.run();
    EXPECT_EQ(l.boxes.reportedLines(), std::vector<int>{100});
    EXPECT_EQ(l.engine.calls.size(), 1u);  // the routine ended at the failing call
    EXPECT_EQ(l.board.backColor, layout::kWhite);
    EXPECT_EQ(l.window.caption, "Orrinvale");
}
