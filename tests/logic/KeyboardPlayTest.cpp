// Playing without dragging: the states as places to move between, the names
// of the panel from the keyboard, and picking up and dropping a name, which
// must end in the very verdict a drag ends in.
#include "Fakes.h"
#include "KeyboardPlay.h"
#include "PlayTexts.h"

#include <gtest/gtest.h>

#include <queue>
#include <set>

using namespace orrinvale;
using namespace orrinvale::testing;

namespace {

struct DealtBoard : BoardFixture {
    DealtBoard() { setUp(shippedStateTable()); }
};

struct Play : DealtBoard {
    KeyboardPlay play{board, StateMap(board)};

    int stateOf(const std::string& code) const
    {
        for (int s = 0; s < play.map().size(); ++s)
            if (play.map().state(s).code == code)
                return s;
        return -1;
    }
    std::string clip(const char* relative) const { return app.programFolder + relative; }
};

} // namespace

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

TEST(KeyboardPlay, APickUpAndADropEndInTheDragsOwnVerdict)
{
    Play p;
    KeyboardPlay& play = p.play;
    EXPECT_EQ(play.currentName(), 0);
    EXPECT_EQ(play.mapKey(PlayKey::Activate).kind, Reaction::NothingHeld);
    EXPECT_TRUE(p.player.played.empty());

    const int texas = p.nameOf("TX");
    play.focusName(texas);
    Reaction r = play.namesKey(PlayKey::Activate);
    EXPECT_EQ(r.kind, Reaction::PickedUp);
    EXPECT_EQ(r.focus, Stop::Map);
    EXPECT_EQ(play.held(), texas);

    // A wrong drop: the wrong clip, the name still in the panel and held.
    r = play.dropOn(p.stateOf("OK"));
    EXPECT_EQ(r.kind, Reaction::Wrong);
    EXPECT_FALSE(r.focus);
    EXPECT_EQ(play.held(), texas);
    EXPECT_TRUE(p.board.panelName(texas).visible);
    EXPECT_EQ(p.player.played, std::vector<std::string>{p.clip(clips::kWrong)});

    // Escape lets go; Enter picks it up again; the right state takes it.
    EXPECT_EQ(play.mapKey(PlayKey::Escape).kind, Reaction::LetGo);
    EXPECT_FALSE(play.held());
    play.namesKey(PlayKey::Activate);
    play.focusState(p.stateOf("TX"));
    r = play.mapKey(PlayKey::Activate);
    EXPECT_EQ(r.kind, Reaction::Right);
    EXPECT_EQ(r.focus, Stop::Names);
    EXPECT_FALSE(play.held());
    EXPECT_FALSE(p.board.panelName(texas).visible);
    EXPECT_TRUE(p.board.placedNameShown(texas));
    EXPECT_EQ(p.board.placedCount, 1);
    EXPECT_EQ(p.player.played.back(), p.clip(clips::kCorrect));
    EXPECT_EQ(play.currentName(), texas + 1) << "the next unplaced name";
    EXPECT_EQ(texts::resultText(play, r), "Right: Texas placed, 1 of 50");
    EXPECT_EQ(play.pickUp(texas).kind, Reaction::Nothing) << "a placed name cannot be picked up";
}

TEST(KeyboardPlay, TheFiftiethDropCongratulatesAndDealsAFreshBoard)
{
    Play p;
    p.placeAll(49);
    const int last = 49;
    p.play.boardChanged();
    EXPECT_EQ(p.play.currentName(), last);
    p.play.pickUp(last);
    const Reaction r = p.play.dropOn(p.stateOf(p.board.panelName(last).tag));
    EXPECT_EQ(r.kind, Reaction::Completed);
    ASSERT_EQ(p.boxes.shown.size(), 1u);
    EXPECT_EQ(p.boxes.shown[0].text, kCongratulations);
    EXPECT_EQ(p.player.played.back(), p.clip(clips::kComplete));
    EXPECT_EQ(p.board.placedCount, 0);
    EXPECT_EQ(p.play.currentName(), 0);
    EXPECT_FALSE(p.play.held());
}

TEST(KeyboardPlay, ClickToPlaceOnlyWhenChosen)
{
    Play p;
    const int utah = p.nameOf("UT");
    const RectTw box = layout::nameBox(utah);
    const PointTw onName{box.left + 100, box.top + 60};
    const auto onState = pointOnState(p.board, "UT");
    ASSERT_TRUE(onState);

    // Without the choice a click is only a click.
    EXPECT_EQ(p.play.releasedAt(utah, onName).kind, Reaction::Nothing);
    EXPECT_FALSE(p.play.held());

    p.play.setClickToPlace(true);
    EXPECT_EQ(p.play.pressedAt(*onState).kind, Reaction::Nothing) << "nothing held: the press is a drag's";
    EXPECT_EQ(p.play.releasedAt(utah, {onName.x, onName.y + 2000}).kind, Reaction::Nothing) << "a drag, not a click";
    const Reaction picked = p.play.releasedAt(utah, onName);
    EXPECT_EQ(picked.kind, Reaction::PickedUp);
    EXPECT_FALSE(picked.focus) << "a click moves no keyboard focus";
    const Reaction dropped = p.play.pressedAt(*onState);
    EXPECT_EQ(dropped.kind, Reaction::Right);
    EXPECT_EQ(p.board.placedCount, 1);
}

TEST(KeyboardPlay, AHeldNamePlacedByADragIsLetGo)
{
    Play p;
    p.play.pickUp(3);
    p.board.dropOnRegion(static_cast<std::int16_t>(p.regionOf(p.board.panelName(3).tag)), 3);
    p.play.boardChanged();
    EXPECT_FALSE(p.play.held());
    EXPECT_EQ(p.play.currentName(), 4);
}

TEST(KeyboardPlay, ANameTheMouseCarriesAndTheKeysPlaceCountsOnce)
{
    Play p;
    DragAndDrop mouse(p.board);
    for (int name = 0; name < 25; ++name) {
        const RectTw box = layout::nameBox(name);
        ASSERT_TRUE(mouse.press({box.left + 100, box.top + 60}));
        p.play.pickUp(name);
        EXPECT_EQ(p.play.dropOn(p.stateOf(p.board.panelName(name).tag)).kind, Reaction::Right);
        EXPECT_EQ(mouse.outline().width, 0) << "the mouse no longer carries a placed name";
        const auto onState = pointOnState(p.board, p.board.panelName(name).tag);
        ASSERT_TRUE(onState);
        // Let go on its state or on the panel: neither counts it again nor
        // brings it back to the panel.
        mouse.release(name % 2 ? *onState : PointTw{box.left + 100, box.top + 60});
        EXPECT_FALSE(p.board.panelName(name).visible);
    }
    EXPECT_EQ(p.board.placedCount, 25);
    EXPECT_EQ(std::count(p.player.played.begin(), p.player.played.end(), p.clip(clips::kCorrect)), 25);
    EXPECT_TRUE(p.boxes.shown.empty()) << "no congratulations at 25 names";
}

TEST(PlayTexts, WhereAStateLiesNamesItsPlacedNeighboursOnly)
{
    Play p;
    const int washington = p.stateOf("WA");
    EXPECT_EQ(texts::whereabouts(p.play, washington), "In the north-west of the map, bordering 2 unnamed states");
    EXPECT_EQ(texts::whereabouts(p.play, p.stateOf("HI")).rfind("On its own, in the south", 0), 0u);
    p.board.dropOnRegion(static_cast<std::int16_t>(p.regionOf("OR")), p.nameOf("OR"));
    EXPECT_EQ(texts::whereabouts(p.play, washington),
              "In the north-west of the map, bordering Oregon and 1 more unnamed state");
    p.board.dropOnRegion(static_cast<std::int16_t>(p.regionOf("ID")), p.nameOf("ID"));
    const std::string both = texts::whereabouts(p.play, washington);
    EXPECT_TRUE(both.find("Oregon") != std::string::npos && both.find("Idaho") != std::string::npos) << both;
    EXPECT_EQ(texts::namePosition(p.play, p.nameOf("WA")), "45 of 48");
}

TEST(PlayTexts, NoUnplacedStateIsNamedAndEveryPlacedOneIs)
{
    Play p;
    for (int s = 0; s < p.play.map().size(); ++s)
        EXPECT_EQ(texts::stateName(p.play, s), "Unnamed state " + std::to_string(s + 1));
    p.placeAll(50 - 1);
    for (int s = 0; s < p.play.map().size(); ++s) {
        const std::string code = p.play.map().state(s).code;
        const std::string name = p.board.panelName(p.nameOf(code)).caption;
        EXPECT_EQ(texts::stateName(p.play, s), p.board.panelName(p.nameOf(code)).visible ? "Unnamed state " +
                  std::to_string(s + 1) : name);
        const std::string where = texts::whereabouts(p.play, s);
        for (int i = 0; i < 50; ++i) {
            if (p.board.panelName(i).visible) {
                EXPECT_EQ(where.find(p.board.panelName(i).caption), std::string::npos) << where;
            }
        }
    }
}
