// Prints the window's layout as the quiz holds it, as JSON, for the map
// generator: the map's rectangle, the hit rectangles, the map names with the
// codes the state table gives them, the leader lines, and which rectangle's
// code receives a drop at each sample of the map, by the quiz's own hit test.
//   layoutdump <folder with usa_states.txt> <samples per pixel>
// All positions are in twips of the window's client area.
#include "Layout.h"
#include "QuietBoard.h"

#include <cstdio>
#include <cstdlib>
#include <string>

using namespace orrinvale;

namespace {

void printBox(const RectTw& r)
{
    std::printf("[%d, %d, %d, %d]", r.left, r.top, r.width, r.height);
}

void printPoint(PointTw p)
{
    std::printf("[%d, %d]", p.x, p.y);
}

// The code of the region in front at each sample of the map picture, a row
// at a time, as runs: [first column, length, code]. Untagged and empty
// places have the empty code.
void printFrontTags(const Board& board, int samplesPerPixel)
{
    const RectTw map = layout::kMapPicture;
    const int columns = toPixels(map.width) * samplesPerPixel;
    const int rows = toPixels(map.height) * samplesPerPixel;
    const auto codeAt = [&](int row, int column) -> std::string {
        const double x = toPixelsF(map.left) + (column + 0.5) / samplesPerPixel;
        const double y = toPixelsF(map.top) + (row + 0.5) / samplesPerPixel;
        const PointTw p = toTwips(x, y);
        const auto region = board.regionAt(p);
        return region ? board.regions().at(*region).tag : std::string();
    };
    std::printf("  \"frontTags\": {\"samplesPerPixel\": %d, \"columns\": %d, \"rows\": [\n", samplesPerPixel, columns);
    for (int row = 0; row < rows; ++row) {
        std::printf("    [");
        int start = 0;
        std::string code = codeAt(row, 0);
        for (int column = 1; column <= columns; ++column) {
            const std::string next = column < columns ? codeAt(row, column) : std::string("end");
            if (next == code)
                continue;
            std::printf("%s[%d, %d, \"%s\"]", start ? ", " : "", start, column - start, code.c_str());
            start = column;
            code = next;
        }
        std::printf("]%s\n", row + 1 < rows ? "," : "");
    }
    std::printf("  ]}\n");
}

} // namespace

int main(int argc, char* argv[])
{
    const int samples = argc == 3 ? std::atoi(argv[2]) : 0;
    if (samples < 1 || samples > 16) {
        std::fprintf(stderr, "usage: layoutdump <folder with usa_states.txt> <samples per pixel, 1 to 16>\n");
        return 2;
    }
    const QuietBoard dealt(argv[1]);
    if (!dealt.sound()) {
        std::fprintf(stderr, "the state table in %s is not sound\n", argv[1]);
        return 1;
    }
    const Board& board = dealt.board;

    std::printf("{\n  \"twipsPerPixel\": %d,\n  \"map\": ", kTwipsPerPixel);
    printBox(layout::kMapPicture);
    std::printf(",\n  \"banner\": ");
    printBox(layout::kBanner);
    std::printf(",\n  \"hitRects\": [\n");
    for (std::size_t j = 0; j < layout::kHitRects.size(); ++j) {
        std::printf("    {\"box\": ");
        printBox(layout::kHitRects[j].box);
        std::printf(", \"tag\": \"%.*s\"}%s\n", static_cast<int>(layout::kHitRects[j].tag.size()),
                    layout::kHitRects[j].tag.data(), j + 1 < layout::kHitRects.size() ? "," : "");
    }
    std::printf("  ],\n  \"mapNames\": [\n");
    for (int i = 0; i < layout::kStateCount; ++i) {
        const layout::MapName& name = layout::kMapNames[static_cast<std::size_t>(i)];
        std::printf("    {\"caption\": \"%.*s\", \"code\": \"%s\", \"box\": ", static_cast<int>(name.caption.size()),
                    name.caption.data(), trimSpaces(board.panelName(i).tag).c_str());
        printBox(name.box);
        std::printf("}%s\n", i + 1 < layout::kStateCount ? "," : "");
    }
    std::printf("  ],\n  \"leaderLines\": [\n");
    for (std::size_t k = 0; k < layout::kLeaderLines.size(); ++k) {
        const layout::LeaderLine& line = layout::kLeaderLines[k];
        std::printf("    {\"code\": \"%.*s\", \"stateEnd\": ", static_cast<int>(line.code.size()), line.code.data());
        printPoint(line.stateEnd());
        std::printf("}%s\n", k + 1 < layout::kLeaderLines.size() ? "," : "");
    }
    std::printf("  ],\n");
    printFrontTags(board, samples);
    std::printf("}\n");
    return 0;
}
