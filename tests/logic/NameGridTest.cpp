// The names of the panel from the keyboard: placed names skipped.
#include "PlayFixture.h"

#include <gtest/gtest.h>

using namespace orrinvale;
using namespace orrinvale::testing;

TEST(NameGrid, ArrowsHomeEndAndLettersSkipPlacedNames)
{
    Play p;
    const NameGrid& grid = p.play.grid();
    // Alabama 0 ... Georgia 9 in the first column, Hawaii 10 at the top of the next.
    EXPECT_EQ(grid.step(9, Direction::Down), 10);
    EXPECT_EQ(grid.step(10, Direction::Up), 9);
    EXPECT_EQ(grid.step(2, Direction::Right), 12);
    EXPECT_EQ(grid.step(12, Direction::Left), 2);
    EXPECT_EQ(grid.step(0, Direction::Up), 0) << "an edge holds";
    EXPECT_EQ(grid.step(42, Direction::Right), 42);

    p.board.panelName(12).visible = false;  // Illinois placed
    p.board.panelName(1).visible = false;   // Alaska placed
    EXPECT_EQ(grid.step(2, Direction::Right), 11) << "the nearest row above on a tie";
    EXPECT_EQ(grid.step(0, Direction::Down), 2);
    for (int i = 10; i < 20; ++i)
        p.board.panelName(i).visible = false;  // the whole second column placed
    EXPECT_EQ(grid.step(2, Direction::Right), 22) << "an empty column is passed over";

    p.board.panelName(0).visible = false;
    EXPECT_EQ(grid.first(), 2);
    EXPECT_EQ(grid.last(), 49);
    EXPECT_EQ(grid.nextStartingWith(2, 'm'), 20) << "Maine, whatever the case";
    EXPECT_EQ(grid.nextStartingWith(20, 'M'), 21);
    EXPECT_EQ(grid.nextStartingWith(27, 'a'), 2) << "goes round, skipping Alabama and Alaska";
    EXPECT_EQ(grid.nextStartingWith(2, 'q'), 2) << "no such name: stays";
    EXPECT_EQ(grid.nextAfter(49), 2);
}
