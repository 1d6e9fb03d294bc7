// Ten thousand random drags over the whole window, with the board's
// invariants checked after every one.
#include "DragAndDrop.h"
#include "Fakes.h"

#include <gtest/gtest.h>

using namespace orrinvale;
using namespace orrinvale::testing;

namespace {

constexpr int kDrags = 10000;

// A point anywhere in or a little around the window; half the time on a
// state's region, so that games actually progress.
PointTw randomPoint(std::mt19937& random, const Board& board)
{
    if (random() % 2) {
        const int j = static_cast<int>(random() % layout::kRegionCount);
        const RectTw& r = board.regions().at(j).box;
        return {r.left + static_cast<int>(random() % static_cast<unsigned>(r.width)),
                r.top + static_cast<int>(random() % static_cast<unsigned>(r.height))};
    }
    return {static_cast<int>(random() % 12600) - 420, static_cast<int>(random() % 10200) - 420};
}

void checkInvariants(const Board& board)
{
    int hidden = 0, shown = 0;
    for (int i = 0; i < layout::kStateCount; ++i) {
        hidden += !board.panelName(i).visible;
        shown += board.placedNameShown(i);
        EXPECT_NE(board.panelName(i).visible, board.placedNameShown(i)) << i;
    }
    ASSERT_EQ(board.placedCount, hidden);
    ASSERT_EQ(board.placedCount, shown);
    ASSERT_GE(board.placedCount, 0);
    ASSERT_LT(board.placedCount, 50);  // at 50 the board is dealt again at once
    for (int k = 0; k < layout::kLineCount; ++k) {
        int name = -1;
        for (int i = 0; i < layout::kStateCount; ++i) {
            if (board.panelName(i).tag == layout::kLeaderLines[static_cast<std::size_t>(k)].code)
                name = i;
        }
        ASSERT_EQ(board.lineVisible(k), board.placedNameShown(name)) << k;
    }
}

} // namespace

TEST(Monkey, RandomDragsKeepTheBoardConsistent)
{
    BoardFixture f;
    f.setUp(shippedStateTable());
    DragAndDrop drag(f.board);
    std::mt19937 random(2026);
    int drops = 0, completed = 0, placedBeforeBox = -1;
    f.boxes.onShow = [&](const ShownBox& box) {
        ASSERT_EQ(box.text, kCongratulations);
        placedBeforeBox = f.board.placedCount;
        ++completed;
    };

    for (int attempt = 0; drops < kDrags && attempt < 10 * kDrags; ++attempt) {
        // Press on a random name, or sometimes anywhere at all; a press that
        // finds no visible name starts no drag.
        PointTw press = randomPoint(random, f.board);
        if (random() % 4) {
            const int name = static_cast<int>(random() % layout::kStateCount);
            const RectTw box = layout::nameBox(name);
            press = {box.left + static_cast<int>(random() % 1700), box.top + static_cast<int>(random() % 285)};
        }
        if (!drag.press(press))
            continue;
        const int source = drag.source();
        const int before = f.board.placedCount;
        for (int m = static_cast<int>(random() % 4); m > 0; --m)
            drag.move(randomPoint(random, f.board));
        // Aim for the name's own state now and then, so that maps get completed.
        PointTw release = randomPoint(random, f.board);
        if (random() % 3 == 0) {
            const int own = f.regionOf(f.board.panelName(source).tag);
            const RectTw& r = f.board.regions().at(own).box;
            release = {r.left + r.width / 2, r.top + r.height / 2};
        }
        const std::size_t boxesBefore = f.boxes.shown.size();
        drag.release(release);
        ++drops;
        checkInvariants(f.board);
        if (f.boxes.shown.size() > boxesBefore) {
            EXPECT_EQ(before, 49);
            EXPECT_EQ(placedBeforeBox, 50);
            EXPECT_EQ(f.board.placedCount, 0);
        }
        ASSERT_EQ(f.boxes.errorCount(), 0u);
    }
    std::printf("monkey: %d drops, %d completed maps, %zu clips\n", drops, completed, f.player.played.size());
    EXPECT_EQ(drops, kDrags);
    EXPECT_GE(completed, 1);
}
