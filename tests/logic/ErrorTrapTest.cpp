// How a handler goes on after a failing step.
#include "ErrorTrap.h"
#include "Fakes.h"

#include <gtest/gtest.h>

using namespace orrinvale;
using namespace orrinvale::testing;

TEST(ErrorTrap, FailingTestCountsAsHeldAndFailingStepGoesOn)
{
    BoardFixture f;
    ErrorTrap trap(f.services, origin::kWindowLoad);
    int after = 0;
    EXPECT_TRUE(trap.test(102, []() -> bool { throw RuntimeError("x"); }));
    EXPECT_FALSE(trap.test(102, [] { return false; }));
    trap.step(104, [] { throw std::bad_alloc(); });
    trap.step(106, [&] { ++after; });
    EXPECT_EQ(after, 1);
    EXPECT_EQ(f.boxes.reportedLines(), (std::vector<int>{102, 104}));
    EXPECT_EQ(f.boxes.shown[1].text.substr(0, 15), "Out of memory\r\n");
}

TEST(ErrorTrap, RestartGoesOnWithTheNextNameAfterAFailure)
{
    BoardFixture f;
    f.setUp(shippedStateTable());
    f.placeAll(5);
    FaultAt fault(origin::kRestart, 106, 2);
    f.services.faults = &fault;
    f.board.restart();
    EXPECT_EQ(f.boxes.reportedLines(), (std::vector<int>{106, 106}));
    EXPECT_NE(f.boxes.shown[0].text.find("Form1.PushButton1_Click at line 106"), std::string::npos);
    // The first two names stayed hidden; the loop went on with the rest.
    EXPECT_FALSE(f.board.panelName(0).visible);
    EXPECT_FALSE(f.board.panelName(1).visible);
    for (int i = 2; i < layout::kStateCount; ++i)
        EXPECT_TRUE(f.board.panelName(i).visible) << i;
    EXPECT_EQ(f.board.placedCount, 0);
}

TEST(ErrorTrap, SetUpFaultsContinueAsTheRulesSay)
{
    {
        SCOPED_TRACE("a failing end-of-file test leaves the reading loop");
        BoardFixture f;
        FaultAt fault(origin::kWindowLoad, 134, 1000);
        f.services.faults = &fault;
        f.setUp(shippedStateTable());
        EXPECT_EQ(f.boxes.reportedLines(), std::vector<int>{134});
        EXPECT_EQ(f.board.panelName(0).caption, "Label3");
        EXPECT_EQ(f.board.regions().size(), static_cast<std::size_t>(layout::kRegionCount));
    }
    {
        SCOPED_TRACE("a failing 'j > 0' test runs the step it guards");
        BoardFixture f;
        FaultAt fault(origin::kWindowLoad, 150);
        f.services.faults = &fault;
        f.setUp(shippedStateTable());
        ASSERT_EQ(f.boxes.reportedLines(), (std::vector<int>{150, 152}));
        EXPECT_EQ(f.boxes.shown[1].text.substr(0, 23), "Object already loaded\r\n");
        EXPECT_EQ(f.board.regions().size(), static_cast<std::size_t>(layout::kRegionCount));
    }
    {
        SCOPED_TRACE("an error in the nested Restart is Restart's own report");
        BoardFixture f;
        FaultAt fault(origin::kRestart, 124);
        f.services.faults = &fault;
        f.setUp(shippedStateTable());
        ASSERT_EQ(f.boxes.reportedLines(), std::vector<int>{124});
        EXPECT_NE(f.boxes.shown[0].text.find("PushButton1_Click at line 124"), std::string::npos);
    }
}

TEST(ErrorTrap, ExitThatFailsLeavesTheWindowOpen)
{
    BoardFixture f;
    FakeWindow window;
    window.failUnload = true;
    f.board.exitQuiz(window);
    EXPECT_EQ(f.boxes.reportedLines(), std::vector<int>{100});
    EXPECT_NE(f.boxes.shown[0].text.find("Form1.PushButton2_Click at line 100"), std::string::npos);
    EXPECT_EQ(window.unloads, 0);

    window.failUnload = false;
    f.board.exitQuiz(window);
    EXPECT_EQ(window.unloads, 1);
}
