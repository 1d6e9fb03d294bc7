#include "Fakes.h"


#include <sstream>

// Leak reports the sanitizer build leaves out: memory that the system's
// sound and GLib libraries keep for the life of the process.
extern "C" const char* __lsan_default_suppressions()
{
    return ORRINVALE_LSAN_SUPPRESSIONS;
}

namespace orrinvale::testing {

std::string shippedStateTable()
{
    std::ifstream in(ORRINVALE_ASSETS "/usa_states.txt", std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string randomBytes(std::size_t n, unsigned seed)
{
    std::mt19937 random(seed);
    std::string bytes(n, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random());
    return bytes;
}

void BoardFixture::setUp(const std::string& table)
{
    folder.write(files::kStateTable, table);
    setUpWithoutTable();
}

void BoardFixture::setUpWithoutTable()
{
    setUpBoard(board);
}

std::optional<PointTw> pointOnState(const Board& board, const std::string& code)
{
    for (const auto& [j, region] : board.regions()) {
        if (trimSpaces(region.tag) != code)
            continue;
        for (int y = region.box.top + 7; y < region.box.bottom(); y += 15) {
            for (int x = region.box.left + 7; x < region.box.right(); x += 15) {
                if (board.regionAt({x, y}) == j)
                    return PointTw{x, y};
            }
        }
    }
    return std::nullopt;
}

int BoardFixture::regionOf(const std::string& code) const
{
    for (const auto& [index, region] : board.regions()) {
        if (region.tag == code)
            return index;
    }
    return -1;
}

int BoardFixture::nameOf(const std::string& code) const
{
    for (int i = 0; i < layout::kStateCount; ++i) {
        if (board.panelName(i).tag == code)
            return i;
    }
    return -1;
}

void BoardFixture::placeAll(int count)
{
    for (int i = 0; i < count; ++i) {
        const int region = regionOf(board.panelName(i).tag);
        board.dropOnRegion(static_cast<std::int16_t>(region), i);
    }
}

} // namespace orrinvale::testing
