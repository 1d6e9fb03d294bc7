// The Leitner schedule: promotion box by box, demotion, and the written text.
#include "LeitnerSchedule.h"

#include <gtest/gtest.h>

using namespace orrinvale;

namespace {

constexpr long kToday = 20'796;  // 2026-12-09

} // namespace

TEST(LeitnerSchedule, RightWhenDueMovesUpAMissGoesBackToTheStart)
{
    LeitnerSchedule s;
    EXPECT_TRUE(s.isDue("UT", kToday));  // never seen: due
    long day = kToday;
    for (const int interval : {1, 3, 7, 14, 30, 30}) {
        s.record("UT", true, day);
        EXPECT_EQ(s.standing("UT").due, day + interval);
        EXPECT_FALSE(s.isDue("UT", day + interval - 1));
        day += interval;
    }
    EXPECT_EQ(s.standing("UT").box, LeitnerSchedule::kBoxes);
    s.record("UT", true, day - 5);  // not due yet: not moved up early
    EXPECT_EQ(s.standing("UT").due, day);
    s.record("UT", false, day - 5);
    EXPECT_EQ(s.standing("UT").box, 1);
    EXPECT_TRUE(s.isDue("UT", day - 5));

    const auto back = LeitnerSchedule::read(s.write());
    ASSERT_TRUE(back);
    EXPECT_TRUE(*back == s);
}

TEST(LeitnerSchedule, AnythingButAWholeScheduleIsRefused)
{
    const std::string head = "orrinvale-progress 1\n";
    EXPECT_TRUE(LeitnerSchedule::read(head + "UT 2 2026-12-10\n"));
    for (const std::string& text :
         {std::string(), std::string("UT 2 2026-12-10\n"), head + "UT 2 2026-12-10", head + "UT 7 2026-12-10\n",
          head + "UT 0 2026-12-10\n", head + "UT 2 2026-02-30\n", head + "UT 2x 2026-12-10\n",
          head + "UT 2 2026-12-10 more\n", head + "UT 2 2026-12-10\nUT 3 2026-12-10\n",
          std::string("orrinvale-progress 2\n"), head + std::string("U\0T 2 2026-12-10\n", 17)})
        EXPECT_FALSE(LeitnerSchedule::read(text)) << text;
}
