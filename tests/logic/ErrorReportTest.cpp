// The "Application Error" report: its text byte for byte, its box.
#include "ErrorReport.h"
#include "ErrorTrap.h"
#include "Fakes.h"

#include <gtest/gtest.h>

using namespace orrinvale;
using namespace orrinvale::testing;

TEST(ErrorReport, TextIsBuiltByteForByte)
{
    EXPECT_EQ(errorReportText("Overflow", origin::kDropVerdict, 146, "help@orrinvale.example"),
              "Overflow\r\nin Orrinvale2021/08/31.Form1.piccoor_DragDrop at line 146\r\r"
              "Please email screenshot of this message to help@orrinvale.example");
    EXPECT_EQ(errorReportText("", origin::kWindowLoad, 100, ""),
              "\r\nin Orrinvale2021/08/31.Form1.Form_Load at line 100\r\rPlease email screenshot of this message to ");
}

TEST(ErrorReport, BoxHasTheWarningIconAndItsOwnTitle)
{
    BoardFixture f;
    ErrorTrap trap(f.services, origin::kRestart);
    EXPECT_FALSE(trap.step(104, [] { throw RuntimeError("Something broke"); }));
    ASSERT_EQ(f.boxes.shown.size(), 1u);
    EXPECT_EQ(f.boxes.shown[0].title, "Application Error");
    EXPECT_EQ(f.boxes.shown[0].icon, BoxIcon::Warning);
    EXPECT_EQ(f.boxes.shown[0].text.substr(0, 17), "Something broke\r\n");
}
