// Playing without dragging: picking up and dropping a name, which must end
// in the very verdict a drag ends in.
#include "PlayFixture.h"
#include "PlayTexts.h"

#include <gtest/gtest.h>

using namespace orrinvale;
using namespace orrinvale::testing;

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
