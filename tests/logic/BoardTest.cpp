// Restart, and which control lies in front at a point.
#include "DragAndDrop.h"
#include "Fakes.h"
#include "KeyboardPlay.h"

#include <gtest/gtest.h>

using namespace orrinvale;
using namespace orrinvale::testing;

namespace {

struct Snapshot {
    std::vector<bool> names, mapNames, lines;
    std::vector<std::string> captions;
    int placed;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(const Board& b)
{
    Snapshot s;
    for (int i = 0; i < layout::kStateCount; ++i) {
        s.names.push_back(b.panelName(i).visible);
        s.mapNames.push_back(b.placedNameShown(i));
        s.captions.push_back(b.panelName(i).caption);
    }
    for (int k = 0; k < layout::kLineCount; ++k)
        s.lines.push_back(b.lineVisible(k));
    s.placed = b.placedCount;
    return s;
}

} // namespace

TEST(Restart, DealsAMidGameBoardAfreshAndChangesNothingOnAFreshOne)
{
    BoardFixture f;
    f.setUp(shippedStateTable());
    const Snapshot dealt = snapshot(f.board);
    f.board.restart();
    EXPECT_EQ(snapshot(f.board), dealt);

    f.placeAll(30);  // Connecticut, Delaware, Maryland ... are placed with their lines
    EXPECT_EQ(f.board.placedCount, 30);
    EXPECT_TRUE(f.board.lineVisible(0));
    f.board.restart();
    EXPECT_EQ(snapshot(f.board), dealt);
    EXPECT_TRUE(f.player.played.size() == 30u);  // Restart itself plays nothing
    EXPECT_TRUE(f.boxes.shown.empty());
}

TEST(HitTest, FrontMostRegionReceivesTheDrop)
{
    BoardFixture f;
    f.setUp(shippedStateTable());
    // Wyoming (9) lies partly under Utah (14): Utah is in front there.
    const PointTw shared{4100, 3300};
    ASSERT_TRUE(layout::kHitRects[9].box.contains(shared));
    ASSERT_TRUE(layout::kHitRects[14].box.contains(shared));
    EXPECT_EQ(f.board.regionAt(shared), 14);
    EXPECT_EQ(f.board.regionAt({4500, 2700}), 9);
    // A strip shared by neighbours goes to the higher index.
    EXPECT_EQ(f.board.regionAt({3275, 1800}), 7);
    EXPECT_EQ(f.board.regionAt({3260, 1800}), 1);
    // Edges: left and top inside, right and bottom outside.
    EXPECT_EQ(f.board.regionAt({690, 150}), 0);
    EXPECT_EQ(f.board.regionAt({689, 150}), std::nullopt);
    EXPECT_EQ(f.board.regionAt({690 + 1425, 300}), std::nullopt);
}

TEST(HitTest, FrontMostVisibleNameIsPicked)
{
    BoardFixture f;
    f.setUp(shippedStateTable());
    // Rows overlap by 75 twips: the lower row (higher index) is in front.
    EXPECT_EQ(f.board.nameAt({2300, 7220}), 1);
    // Columns 0 and 1 overlap between 3840 and 3920.
    EXPECT_EQ(f.board.nameAt({3850, 7100}), 10);
    f.board.panelName(10).visible = false;
    EXPECT_EQ(f.board.nameAt({3850, 7100}), 0);
    f.board.panelName(1).visible = false;
    EXPECT_EQ(f.board.nameAt({2300, 7220}), 0);
    EXPECT_EQ(f.board.nameAt({2100, 7100}), std::nullopt);

    DragAndDrop drag(f.board);
    EXPECT_TRUE(drag.press({3850, 7100}));
    EXPECT_EQ(drag.source(), 0);
}

TEST(HitTest, ButtonsAndTheOutsideTakeNoDrop)
{
    BoardFixture f;
    f.setUp(shippedStateTable());
    EXPECT_EQ(dropTargetAt(f.board, {300, 7100}).kind, DropTarget::Nothing);   // Restart
    EXPECT_EQ(dropTargetAt(f.board, {-15, 3000}).kind, DropTarget::Nothing);   // left of the window
    EXPECT_EQ(dropTargetAt(f.board, {11760, 3000}).kind, DropTarget::Nothing); // right of it
    EXPECT_EQ(dropTargetAt(f.board, {500, 3000}).kind, DropTarget::Nothing);   // map, no region
    EXPECT_EQ(dropTargetAt(f.board, {4500, 2700}).kind, DropTarget::Region);
    EXPECT_EQ(dropTargetAt(f.board, {2300, 7100}).kind, DropTarget::Name);
}

TEST(Board, ASmallMapOfThreeNamesPlaysThroughToItsCongratulations)
{
    BoardMap three;
    three.nameBoxes = {{2000, 7000, 1700, 285}, {2000, 7210, 1700, 285}, {3800, 7000, 1700, 285}};
    three.panelRows = 2;
    three.table = files::kStateTable;
    three.placedNames = {{"Ann", {1000, 1000, 885, 225}}, {"Bob", {3000, 1000, 885, 225}}, {"Cid", {5000, 1000, 885, 225}}};
    three.regions = {{{900, 900, 1500, 1500}, "AA"}, {{2900, 900, 1500, 1500}, "BB"}, {{4900, 900, 1500, 1500}, "CC"}};
    three.leaderLines = {{"BB", {3000, 1100}, {3300, 1500}}};
    three.stacking = {{layout::Layer::Name, 0, 2}, {layout::Layer::MapName, 0, 2}, {layout::Layer::Line, 0, 0}};
    TempFolder folder;
    folder.write(files::kStateTable, "Ann,AA\r\nBob,BB\r\nCid,CC\r\n");
    RecordingBoxes boxes;
    RecordingPlayer player;
    AppInfo app{folder.str(), "Orrinvale", ""};
    Services services{boxes, player, app};
    Board board(services, three);
    setUpBoard(board);
    ASSERT_TRUE(boxes.shown.empty());

    KeyboardPlay play(board, StateMap(board, ""));
    ASSERT_EQ(play.map().size(), 3);
    EXPECT_EQ(play.grid().step(0, Direction::Right), 2) << "the panel's second column";
    play.pickUp(0);
    EXPECT_EQ(play.dropOn(1).kind, Reaction::Wrong);
    EXPECT_EQ(play.dropOn(0).kind, Reaction::Right);
    play.pickUp(1);
    EXPECT_EQ(play.dropOn(1).kind, Reaction::Right);
    EXPECT_TRUE(board.lineVisible(0));
    play.pickUp(2);
    EXPECT_EQ(play.dropOn(2).kind, Reaction::Completed);
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, kCongratulations);
    EXPECT_EQ(player.played.back(), app.programFolder + clips::kComplete);
    EXPECT_EQ(board.placedCount, 0);
    EXPECT_FALSE(board.takenFromPanel(2));
    EXPECT_THROW(board.panelName(3), RuntimeError);
}
