// The pointer over the buttons, the margins and the rest of the window.
#include "Fakes.h"

#include <gtest/gtest.h>

using namespace orrinvale;
using namespace orrinvale::testing;

TEST(Pointer, HandOverButtonsArrowOnTheMarginBusyLeftAlone)
{
    BoardFixture f;
    f.setUp(shippedStateTable());
    f.board.pointerOverExit();
    EXPECT_EQ(f.board.mousePointer, kCustomPointer);
    EXPECT_FALSE(f.board.isBareArea({3000, 7100}));  // a name: no pointer event of the window
    EXPECT_EQ(f.board.mousePointer, kCustomPointer);
    EXPECT_TRUE(f.board.isBareArea({30, 3000}));     // left margin
    EXPECT_TRUE(f.board.isBareArea({5000, 9340}));   // strip below the banner
    EXPECT_FALSE(f.board.isBareArea({5000, 3000}));  // the map
    f.board.pointerOverWindow();
    EXPECT_EQ(f.board.mousePointer, kDefaultPointer);
    f.board.pointerOverRestart();
    EXPECT_EQ(f.board.mousePointer, kCustomPointer);

    f.board.mousePointer = kBusyPointer;
    f.board.pointerOverWindow();
    f.board.pointerOverRestart();
    f.board.pointerOverExit();
    EXPECT_EQ(f.board.mousePointer, kBusyPointer);
}
