// Prints, for the acceptance test, where each name of the panel can be
// pressed, where its state takes its drop, and where its map name shows, in
// logical pixels of the window's client area:
//   index press_x press_y drop_x drop_y mapname_x mapname_y mapname_w mapname_h
// With --states it prints instead the states of the map as keyboard play
// moves between them, in their reading order:
//   number code left right up down
// (the states' numbers that each arrow key leads to).
// Usage: quiz_points <program folder> [--states]
#include "Fakes.h"
#include "QuietBoard.h"
#include "StateMap.h"
#include "Twips.h"

#include <cstdio>
#include <cstring>

using namespace orrinvale;
using namespace orrinvale::testing;

int main(int argc, char* argv[])
{
    const bool states = argc == 3 && std::strcmp(argv[2], "--states") == 0;
    if (argc != 2 && !states) {
        std::fprintf(stderr, "usage: quiz_points <program folder> [--states]\n");
        return 2;
    }
    const QuietBoard dealt(argv[1]);
    const Board& board = dealt.board;
    if (!dealt.sound()) {
        std::fprintf(stderr, "the state table in %s is not sound\n", argv[1]);
        return 1;
    }
    if (states) {
        const StateMap map(board);
        for (int s = 0; s < map.size(); ++s) {
            std::printf("%d %s %d %d %d %d\n", s, map.state(s).code.c_str(), map.neighbour(s, Direction::Left),
                        map.neighbour(s, Direction::Right), map.neighbour(s, Direction::Up),
                        map.neighbour(s, Direction::Down));
        }
        return 0;
    }
    for (int i = 0; i < layout::kStateCount; ++i) {
        const RectTw name = layout::nameBox(i);
        const auto drop = pointOnState(board, board.panelName(i).tag);
        if (!drop)
            return 1;
        const RectTw map = layout::kMapNames[static_cast<std::size_t>(i)].box;
        std::printf("%d %d %d %d %d %d %d %d %d\n", i, toPixels(name.left) + 20, toPixels(name.top) + 8,
                    toPixels(drop->x), toPixels(drop->y), toPixels(map.left), toPixels(map.top), toPixels(map.width),
                    toPixels(map.height));
    }
    return 0;
}
