// The states as places to move between: reading order, and arrows that
// follow the borders.
#include "PlayFixture.h"

#include <gtest/gtest.h>

#include <queue>
#include <set>

using namespace orrinvale;
using namespace orrinvale::testing;

TEST(StateMap, FiftyStatesInReadingOrderEachReachableFromEveryOtherByArrows)
{
    Play p;
    const StateMap& map = p.play.map();
    ASSERT_EQ(map.size(), 50);
    std::set<std::string> codes;
    int regions = 0;
    for (int s = 0; s < map.size(); ++s) {
        codes.insert(map.state(s).code);
        regions += static_cast<int>(map.state(s).regions.size());
        for (const int r : map.state(s).regions)
            EXPECT_EQ(map.stateOfRegion(r), s);
        if (s > 0) {  // reading order: never back up a band
            EXPECT_LE(map.state(s - 1).anchor.y / 600, map.state(s).anchor.y / 600);
        }
    }
    EXPECT_EQ(codes.size(), 50u);
    EXPECT_EQ(regions, layout::kRegionCount - 1) << "every region but the one of no state";
    EXPECT_EQ(map.stateOfRegion(43), std::nullopt);

    for (int from = 0; from < map.size(); ++from) {
        std::vector<bool> seen(50);
        std::queue<int> next;
        next.push(from);
        seen[static_cast<std::size_t>(from)] = true;
        while (!next.empty()) {
            const int s = next.front();
            next.pop();
            for (const Direction d : {Direction::Left, Direction::Right, Direction::Up, Direction::Down}) {
                const int n = map.neighbour(s, d);
                if (!seen[static_cast<std::size_t>(n)]) {
                    seen[static_cast<std::size_t>(n)] = true;
                    next.push(n);
                }
            }
        }
        EXPECT_EQ(std::count(seen.begin(), seen.end(), true), 50) << "from " << map.state(from).code;
    }
}

TEST(StateMap, ArrowsGoToANearbyStateThatWay)
{
    Play p;
    const StateMap& map = p.play.map();
    auto go = [&](const char* from, Direction d) { return map.state(map.neighbour(p.stateOf(from), d)).code; };
    EXPECT_EQ(go("KS", Direction::Left), "CO");
    EXPECT_EQ(go("KS", Direction::Up), "NE");
    EXPECT_EQ(go("KS", Direction::Down), "OK");
    EXPECT_EQ(go("KS", Direction::Right), "MO");
    EXPECT_EQ(go("ME", Direction::Right), "ME") << "nothing lies east of Maine";
    for (int s = 0; s < map.size(); ++s) {
        const PointTw a = map.state(s).anchor;
        const int right = map.neighbour(s, Direction::Right);
        if (right != s) {
            EXPECT_GT(map.state(right).anchor.x, a.x);
        }
        const int up = map.neighbour(s, Direction::Up);
        if (up != s) {
            EXPECT_LT(map.state(up).anchor.y, a.y);
        }
    }
}

// True when `to` lies in the quarter of the compass around `d` seen from `from`.
static bool inQuarter(PointTw from, PointTw to, Direction d)
{
    const int dx = to.x - from.x;
    const int dy = to.y - from.y;
    const int along = d == Direction::Left ? -dx : d == Direction::Right ? dx : d == Direction::Up ? -dy : dy;
    const int across = d == Direction::Left || d == Direction::Right ? std::abs(dy) : std::abs(dx);
    return along > 0 && across <= along;
}

TEST(StateMap, ArrowsFollowTheBordersOfTheMapsOwnData)
{
    Play p;
    const StateMap& map = p.play.map();
    auto borders = [&](const char* code) {
        std::set<std::string> codes;
        for (const int n : map.bordering(p.stateOf(code)))
            codes.insert(map.state(n).code);
        return codes;
    };
    EXPECT_EQ(borders("AZ"), (std::set<std::string>{"CA", "NM", "NV", "UT"})) << "the Four Corners touch, no more";
    EXPECT_EQ(borders("MD"), (std::set<std::string>{"DE", "PA", "VA", "WV"}));
    EXPECT_TRUE(borders("AK").empty());
    EXPECT_TRUE(borders("HI").empty());

    const auto all = {Direction::Left, Direction::Right, Direction::Up, Direction::Down};
    for (int s = 0; s < map.size(); ++s) {
        const auto& near = map.bordering(s);
        for (const Direction d : all) {
            const bool oneThatWay = std::any_of(near.begin(), near.end(), [&](int n) {
                return inQuarter(map.state(s).anchor, map.state(n).anchor, d);
            });
            const int to = map.neighbour(s, d);
            if (oneThatWay) {
                EXPECT_TRUE(std::count(near.begin(), near.end(), to))
                    << map.state(s).code << " " << static_cast<int>(d) << " leads to " << map.state(to).code;
            }
        }
        for (const int n : near) {
            const bool joined = std::any_of(all.begin(), all.end(), [&](Direction d) {
                return map.neighbour(s, d) == n || map.neighbour(n, d) == s;
            });
            EXPECT_TRUE(joined) << map.state(s).code << " and " << map.state(n).code << " are joined by no arrow";
        }
    }
    auto go = [&](const char* from, Direction d) { return map.state(map.neighbour(p.stateOf(from), d)).code; };
    EXPECT_EQ(go("AZ", Direction::Left), "CA");
    EXPECT_EQ(go("MD", Direction::Left), "WV");
    EXPECT_EQ(go("WA", Direction::Right), "ID");

    // Without borders the arrows still lead somewhere that way.
    const StateMap bare(p.board, "");
    EXPECT_TRUE(bare.bordering(0).empty());
    EXPECT_NE(bare.neighbour(p.stateOf("KS"), Direction::Left), p.stateOf("KS"));
}
