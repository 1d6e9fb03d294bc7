// Dragging a name: drops off the map change nothing, and the push-pin.
#include "DragAndDrop.h"
#include "Fakes.h"

#include <gtest/gtest.h>

using namespace orrinvale;
using namespace orrinvale::testing;

TEST(Dragging, DropsOnThePanelOrElsewhereChangeNothing)
{
    DealtBoard v;
    DragAndDrop drag(v.board);
    const int texas = v.nameOf("TX");
    const PointTw onTexas = centreOf(layout::nameBox(texas));
    for (const PointTw where : {onTexas, centreOf(layout::nameBox(0)), PointTw{300, 7100}, PointTw{500, 3000},
                                PointTw{-3000, -3000}, PointTw{20000, 4000}}) {
        ASSERT_TRUE(drag.press(onTexas));
        EXPECT_EQ(drag.release(where).kind, DropResult::NothingThere);
        EXPECT_FALSE(drag.active());
    }
    EXPECT_TRUE(v.board.panelName(texas).visible);
    EXPECT_EQ(v.board.placedCount, 0);
    EXPECT_TRUE(v.player.played.empty());
    EXPECT_TRUE(v.boxes.shown.empty());
}

TEST(Dragging, PushPinFromTheFirstMoveOverANameForTheRestOfTheRun)
{
    DealtBoard v;
    DragAndDrop drag(v.board);
    const PointTw onOhio = centreOf(layout::nameBox(34));
    // Straight from the name onto the map: no move over a name, the outline stays.
    ASSERT_TRUE(drag.press(onOhio));
    drag.move({4500, 2700});
    EXPECT_FALSE(drag.showsPushPin());
    const RectTw outline = drag.outline();
    EXPECT_EQ(outline.width, layout::nameBox(34).width);
    EXPECT_EQ(outline.left, 4500 - (onOhio.x - layout::nameBox(34).left));
    drag.release({500, 3000});

    ASSERT_TRUE(drag.press(onOhio));
    drag.move({onOhio.x + 15, onOhio.y});
    EXPECT_TRUE(drag.showsPushPin());
    drag.move({4500, 2700});
    EXPECT_TRUE(drag.showsPushPin());
    drag.release({500, 3000});
    ASSERT_TRUE(drag.press(onOhio));
    EXPECT_TRUE(drag.showsPushPin());  // later drags keep it
    drag.cancel();
    EXPECT_FALSE(v.board.panelName(35).dragShowsPushPin);
}
