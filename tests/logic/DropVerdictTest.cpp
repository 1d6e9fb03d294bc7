// The verdict on a drop and the completed map.
#include "DragAndDrop.h"
#include "Fakes.h"

#include <gtest/gtest.h>

using namespace orrinvale;
using namespace orrinvale::testing;

namespace {

struct Verdict : DealtBoard {
    std::string clip(const char* relative) const { return app.programFolder + relative; }
    DropResult drop(int region, int name) { return board.dropOnRegion(static_cast<std::int16_t>(region), name); }
};

} // namespace

TEST(DropVerdict, EveryRegionOfAStateAcceptsItsName)
{
    for (const std::string code : {"TX", "NC", "CA", "MD", "WV"}) {
        for (int j = 0; j < layout::kRegionCount; ++j) {
            if (layout::kHitRects[static_cast<std::size_t>(j)].tag != code)
                continue;
            Verdict v;
            const int name = v.nameOf(code);
            EXPECT_EQ(v.drop(j, name).kind, DropResult::Right);
            EXPECT_EQ(v.drop(j, name).kind, DropResult::NotInPanel) << "placed once";
            EXPECT_FALSE(v.board.panelName(name).visible) << code << " region " << j;
            EXPECT_TRUE(v.board.placedNameShown(name));
            EXPECT_EQ(v.board.placedCount, 1);
            EXPECT_EQ(v.player.played, std::vector<std::string>{v.clip(clips::kCorrect)});
        }
    }
}

TEST(DropVerdict, WrongStateLeavesTheBoardAndPlaysTheWrongClip)
{
    Verdict v;
    const int texas = v.nameOf("TX");
    EXPECT_EQ(v.drop(v.regionOf("OK"), texas).kind, DropResult::Wrong);
    EXPECT_TRUE(v.board.panelName(texas).visible);
    EXPECT_FALSE(v.board.placedNameShown(texas));
    EXPECT_EQ(v.board.placedCount, 0);
    EXPECT_EQ(v.player.played, std::vector<std::string>{v.clip(clips::kWrong)});
    EXPECT_TRUE(v.boxes.shown.empty());
}

TEST(DropVerdict, OverlapIsJudgedByTheRegionInFront)
{
    // Wyoming (region 9) lies partly under Utah (region 14).
    const PointTw shared{4100, 3300};
    for (const std::string code : {"WY", "UT"}) {
        Verdict v;
        DragAndDrop drag(v.board);
        const int name = v.nameOf(code);
        ASSERT_TRUE(drag.press(centreOf(layout::nameBox(name))));
        drag.move(shared);
        drag.release(shared);
        EXPECT_EQ(v.board.placedCount, code == "UT" ? 1 : 0) << code;
        EXPECT_EQ(v.player.played.back(), v.clip(code == "UT" ? clips::kCorrect : clips::kWrong));
    }
}

TEST(DropVerdict, CodesCompareTrimmedAndCaseSensitiveLinesOnlyForExactTags)
{
    Verdict v;
    const int ny = v.nameOf("NY");
    v.board.panelName(ny).tag = " NY ";
    v.drop(v.regionOf("NY"), ny);
    EXPECT_EQ(v.board.placedCount, 1);
    EXPECT_FALSE(v.board.lineVisible(5));  // Line6 needs the exact tag

    const int vt = v.nameOf("VT");
    v.board.panelName(vt).tag = "vt";
    v.drop(v.regionOf("VT"), vt);
    EXPECT_EQ(v.board.placedCount, 1);
    EXPECT_TRUE(v.board.panelName(vt).visible);

    v.board.panelName(vt).tag = "VT";
    v.drop(v.regionOf("VT"), vt);
    EXPECT_TRUE(v.board.lineVisible(7));
    for (int k = 0; k < 7; ++k)
        EXPECT_FALSE(v.board.lineVisible(k)) << k;

    v.drop(v.regionOf("CT"), v.nameOf("CT"));
    EXPECT_TRUE(v.board.lineVisible(0));
    v.drop(v.regionOf("TX"), v.nameOf("TX"));
    EXPECT_EQ(v.board.placedCount, 4);
}

TEST(DropVerdict, UntaggedRegionMatchesOnlyAnUntaggedName)
{
    Verdict v;
    v.drop(43, v.nameOf("KY"));
    EXPECT_EQ(v.board.placedCount, 0);
    v.board.panelName(3).tag = "  ";
    v.drop(43, 3);
    EXPECT_EQ(v.board.placedCount, 1);
    EXPECT_FALSE(v.board.panelName(3).visible);
}

TEST(DropVerdict, FortyNinthDropHasNoBoxAndTheFiftiethCompletesTheMap)
{
    Verdict v;
    v.placeAll(49);
    EXPECT_EQ(v.board.placedCount, 49);
    EXPECT_TRUE(v.boxes.shown.empty());
    EXPECT_EQ(v.player.played.size(), 49u);

    int placedWhenBoxShown = -1;
    v.boxes.onShow = [&](const ShownBox&) { placedWhenBoxShown = v.board.placedCount; };
    const DropResult last = v.drop(v.regionOf("WY"), 49);
    EXPECT_TRUE(last.kind == DropResult::Right && last.completed);
    ASSERT_EQ(v.boxes.shown.size(), 1u);
    EXPECT_EQ(v.boxes.shown[0].text, "CONGRATULATIONS!THE MAP IS COMPLETE!");
    EXPECT_EQ(v.boxes.shown[0].title, v.app.title);
    EXPECT_EQ(v.boxes.shown[0].icon, BoxIcon::None);
    EXPECT_EQ(placedWhenBoxShown, 50);  // the deal comes after OK
    const std::vector<std::string> lastTwo(v.player.played.end() - 2, v.player.played.end());
    EXPECT_EQ(lastTwo, (std::vector<std::string>{v.clip(clips::kCorrect), v.clip(clips::kComplete)}));
    EXPECT_EQ(v.board.placedCount, 0);
    for (int i = 0; i < layout::kStateCount; ++i) {
        EXPECT_TRUE(v.board.panelName(i).visible);
        EXPECT_FALSE(v.board.placedNameShown(i));
    }
}

TEST(DropVerdict, FaultsInNumberedStepsContinueAsTheRulesSay)
{
    {
        SCOPED_TRACE("108: the comparison fails, the drop counts as correct");
        Verdict v;
        FaultAt fault(origin::kDropVerdict, 108);
        v.services.faults = &fault;
        v.drop(v.regionOf("OK"), v.nameOf("TX"));
        EXPECT_EQ(v.boxes.reportedLines(), std::vector<int>{108});
        EXPECT_NE(v.boxes.shown[0].text.find("in Orrinvale2021/08/31.Form1.piccoor_DragDrop at line 108\r\r"),
                  std::string::npos);
        EXPECT_EQ(v.board.placedCount, 1);
    }
    {
        SCOPED_TRACE("120: showing Delaware's line fails, the counter goes on");
        Verdict v;
        FaultAt fault(origin::kDropVerdict, 120);
        v.services.faults = &fault;
        v.drop(v.regionOf("DE"), v.nameOf("DE"));
        EXPECT_EQ(v.boxes.reportedLines(), std::vector<int>{120});
        EXPECT_FALSE(v.board.lineVisible(1));
        EXPECT_EQ(v.board.placedCount, 1);
        EXPECT_EQ(v.player.played.size(), 1u);
    }
    {
        SCOPED_TRACE("118: a failing comparison shows that very line");
        Verdict v;
        FaultAt fault(origin::kDropVerdict, 118);
        v.services.faults = &fault;
        v.drop(v.regionOf("TX"), v.nameOf("TX"));
        EXPECT_TRUE(v.board.lineVisible(1));
        EXPECT_EQ(v.board.placedCount, 1);
    }
    {
        SCOPED_TRACE("156: Restart fails to start, the handler ends");
        Verdict v;
        v.placeAll(49);
        FaultAt fault(origin::kDropVerdict, 156);
        v.services.faults = &fault;
        v.drop(v.regionOf("WY"), 49);
        EXPECT_EQ(v.boxes.reportedLines(), std::vector<int>{156});
        EXPECT_EQ(v.board.placedCount, 50);
        EXPECT_FALSE(v.board.panelName(49).visible);
    }
    {
        SCOPED_TRACE("150: a failing test shows the box");
        Verdict v;
        FaultAt fault(origin::kDropVerdict, 150);
        v.services.faults = &fault;
        v.drop(v.regionOf("TX"), v.nameOf("TX"));
        EXPECT_EQ(v.boxes.reportedLines(), std::vector<int>{150});
        EXPECT_EQ(v.boxes.shown.back().text, kCongratulations);
        EXPECT_EQ(v.board.placedCount, 0);
    }
    {
        SCOPED_TRACE("158 and 160: the wrong-drop steps each report and go on");
        Verdict v;
        FaultAt fault(origin::kDropVerdict, 158);
        v.services.faults = &fault;
        v.drop(v.regionOf("OK"), v.nameOf("TX"));
        EXPECT_EQ(v.boxes.reportedLines(), std::vector<int>{158});
        EXPECT_EQ(v.player.played.size(), 1u);
    }
}

TEST(DropVerdict, CounterOverflowIsReportedAndTheDropGoesOn)
{
    Verdict v;
    v.board.placedCount = INT16_MAX;
    v.drop(v.regionOf("TX"), v.nameOf("TX"));
    EXPECT_EQ(v.boxes.reportedLines(), std::vector<int>{146});
    EXPECT_EQ(v.boxes.shown[0].text.substr(0, 10), "Overflow\r\n");
    EXPECT_EQ(v.board.placedCount, INT16_MAX);
    EXPECT_EQ(v.player.played.back(), v.clip(clips::kCorrect));
}
