// Prints, for the acceptance test, where each name of the panel can be
// pressed, where its state takes its drop, and where its map name shows, in
// logical pixels of the window's client area:
//   index press_x press_y drop_x drop_y mapname_x mapname_y mapname_w mapname_h
// Usage: quiz_points <program folder>
#include "Fakes.h"
#include "QuietBoard.h"
#include "Twips.h"

#include <cstdio>

using namespace orrinvale;
using namespace orrinvale::testing;

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: quiz_points <program folder>\n");
        return 2;
    }
    const QuietBoard dealt(argv[1]);
    const Board& board = dealt.board;
    if (!dealt.sound()) {
        std::fprintf(stderr, "the state table in %s is not sound\n", argv[1]);
        return 1;
    }
    for (int i = 0; i < layout::kStateCount; ++i) {
        const RectTw name = layout::nameBox(i);
        const auto drop = pointOnState(board, board.labels(i).tag);
        if (!drop)
            return 1;
        const RectTw map = layout::kMapNames[static_cast<std::size_t>(i)].box;
        std::printf("%d %d %d %d %d %d %d %d %d\n", i, toPixels(name.left) + 20, toPixels(name.top) + 8,
                    toPixels(drop->x), toPixels(drop->y), toPixels(map.left), toPixels(map.top), toPixels(map.width),
                    toPixels(map.height));
    }
    return 0;
}
