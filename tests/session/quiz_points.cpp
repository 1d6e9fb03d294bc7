// Prints, for the acceptance test, where each name of the panel can be
// pressed, where its state takes its drop, and where its map name shows, in
// logical pixels of the window's client area:
//   index press_x press_y drop_x drop_y mapname_x mapname_y mapname_w mapname_h
// With --states it prints instead the states of the map as keyboard play
// moves between them, in their reading order:
//   number code left right up down
// (the states' numbers that each arrow key leads to). With --map NAME, of
// that continent's map.
// Usage: quiz_points <program folder> [--states] [--map NAME]
#include "Fakes.h"
#include "MapFile.h"
#include "QuietBoard.h"
#include "StateMap.h"
#include "Twips.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <variant>

using namespace orrinvale;
using namespace orrinvale::testing;

namespace {

// The map named on the command line, read as the program reads it.
BoardMap mapNamed(const std::string& id)
{
    if (id.empty())
        return statesMap();
    std::ifstream in(std::string(ORRINVALE_ASSETS "/maps/") + id + ".map", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    auto read = readMapFile(id, text.str());
    if (auto* map = std::get_if<BoardMap>(&read))
        return std::move(*map);
    std::fprintf(stderr, "quiz_points: %s\n", std::get<std::string>(read).c_str());
    std::exit(1);
}

} // namespace

int main(int argc, char* argv[])
{
    bool states = false;
    std::string mapId;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--states") == 0)
            states = true;
        else if (std::strcmp(argv[i], "--map") == 0 && i + 1 < argc)
            mapId = argv[++i];
        else
            argc = 0;
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: quiz_points <program folder> [--states] [--map NAME]\n");
        return 2;
    }
    const BoardMap map = mapNamed(mapId);
    const QuietBoard dealt(argv[1], map);
    const Board& board = dealt.board;
    if (!dealt.sound()) {
        std::fprintf(stderr, "the state table in %s is not sound\n", argv[1]);
        return 1;
    }
    if (states) {
        const StateMap places(board);
        for (int s = 0; s < places.size(); ++s) {
            std::printf("%d %s %d %d %d %d\n", s, places.state(s).code.c_str(), places.neighbour(s, Direction::Left),
                        places.neighbour(s, Direction::Right), places.neighbour(s, Direction::Up),
                        places.neighbour(s, Direction::Down));
        }
        return 0;
    }
    for (int i = 0; i < map.nameCount(); ++i) {
        const RectTw name = map.nameBoxes[static_cast<std::size_t>(i)];
        const auto drop = pointOnState(board, board.panelName(i).tag);
        if (!drop)
            return 1;
        const RectTw shown = map.placedNames[static_cast<std::size_t>(i)].box;
        std::printf("%d %d %d %d %d %d %d %d %d\n", i, toPixels(name.left) + 20, toPixels(name.top) + 8,
                    toPixels(drop->x), toPixels(drop->y), toPixels(shown.left), toPixels(shown.top),
                    toPixels(shown.width), toPixels(shown.height));
    }
    return 0;
}
