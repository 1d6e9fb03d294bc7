// The continents' maps as the program reads them: each is played through by
// the keys, its arrows reach every country, and a faulty text is refused.
#include "Fakes.h"
#include "KeyboardPlay.h"
#include "MapCatalogue.h"
#include "MapFile.h"
#include "PlayTexts.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

using namespace orrinvale;
using namespace orrinvale::testing;

namespace {

std::string shipped(const std::string& relative)
{
    std::ifstream in(std::string(ORRINVALE_ASSETS "/") + relative, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

constexpr Direction kWays[] = {Direction::Left, Direction::Right, Direction::Up, Direction::Down};

std::size_t reachedFrom(const StateMap& map, int start)
{
    std::set<int> reached{start};
    std::vector<int> todo{start};
    while (!todo.empty()) {
        const int s = todo.back();
        todo.pop_back();
        for (const Direction d : kWays) {
            if (reached.insert(map.neighbour(s, d)).second)
                todo.push_back(map.neighbour(s, d));
        }
    }
    return reached.size();
}

// The fewest countries the arrows reach from any one, and the bordering
// pairs no arrow joins either way.
std::pair<std::size_t, int> arrowsOf(const StateMap& map)
{
    std::size_t fewest = static_cast<std::size_t>(map.size());
    for (int s = 0; s < map.size(); ++s)
        fewest = std::min(fewest, reachedFrom(map, s));
    int unjoined = 0;
    const auto leadsTo = [&](int from, int to) {
        return std::any_of(std::begin(kWays), std::end(kWays), [&](Direction d) { return map.neighbour(from, d) == to; });
    };
    for (int s = 0; s < map.size(); ++s) {
        for (const int b : map.bordering(s))
            unjoined += !leadsTo(s, b) && !leadsTo(b, s);
    }
    return {fewest, unjoined};
}

} // namespace

TEST(MapFile, EveryContinentIsPlayedThroughByTheKeysItsArrowsReachingEveryCountry)
{
    for (const MapEntry& entry : kMaps) {
        const std::string id(entry.id);
        if (id == statesMap().id)
            continue;
        auto read = readMapFile(id, shipped("maps/" + id + ".map"));
        ASSERT_TRUE(std::holds_alternative<BoardMap>(read)) << id << ": " << std::get<std::string>(read);
        const BoardMap& map = std::get<BoardMap>(read);
        TempFolder folder;
        folder.write(files::mapTable(id), shipped("maps/" + id + ".txt"));
        RecordingBoxes boxes;
        RecordingPlayer player;
        AppInfo app{folder.str(), "Orrinvale", ""};
        Services services{boxes, player, app};
        Board board(services, map);
        setUpBoard(board);
        ASSERT_TRUE(boxes.shown.empty()) << id << ": " << boxes.shown[0].text;

        KeyboardPlay play(board, StateMap(board));
        ASSERT_EQ(play.map().size(), map.nameCount()) << id << ": a country without a target, or a target of none";
        const auto [reached, unjoined] = arrowsOf(play.map());
        EXPECT_EQ(reached, static_cast<std::size_t>(map.nameCount())) << id << ": countries the arrows never reach";
        EXPECT_EQ(unjoined, 0) << id << ": bordering countries no arrow joins";
        EXPECT_EQ(texts::stateName(play, 0), "Unnamed country 1") << id;
        EXPECT_EQ(texts::whereabouts(play, 0).find("state"), std::string::npos) << id;

        for (int name = 0; name < map.nameCount(); ++name) {
            const std::string code = board.panelName(name).tag;
            int country = 0;
            while (country < play.map().size() && play.map().state(country).code != code)
                ++country;
            ASSERT_LT(country, play.map().size()) << id << ": no target for " << code;
            play.pickUp(name);
            const auto kind = play.dropOn(country).kind;
            EXPECT_EQ(kind, name + 1 < map.nameCount() ? Reaction::Right : Reaction::Completed) << id << " " << code;
        }
        ASSERT_EQ(boxes.shown.size(), 1u) << id;
        EXPECT_EQ(boxes.shown[0].text, kCongratulations);
        EXPECT_EQ(board.placedCount, 0) << id << ": a fresh board is dealt";
    }
}

TEST(MapFile, AFaultyTextIsRefusedWithItsLine)
{
    const std::string head = "noun\tcountry\nclient\t900\t690\npicture\t6\t6\t888\t400\nbanner\t6\t500\t888\t160\nrows\t10\n";
    const std::string names = "name\tAA\t148\t506\t100\t19\tAnn\nplace\tAA\t10\t10\t40\t14\nhit\tAA\t10\t10\t30\t30\n";
    EXPECT_TRUE(std::holds_alternative<BoardMap>(readMapFile("x", head + names + "border\tAA\tBB\n")));
    const struct {
        std::string text;
        std::string said;
    } rows[] = {
        {head + "name\tAA\t148\t506\t-5\t19\tAnn\n", "line 6 is not a record of a map"},
        {head + "name\tAA\t148\t506\t1e9\t19\tAnn\n", "line 6 is not a record of a map"},
        {head + "place\tAA\t10\t10\t40\t14\n", "line 6 is not a record of a map"},
        {head + "name\tAA\t148\t506\t100\t19\tAnn\nplace\tBB\t10\t10\t40\t14\n", "line 7 is not a record of a map"},
        {head + "hit\tAA\t1\t1\t1\n", "line 6 is not a record of a map"},
        {head + "name\tAA\t148\t506\t100\t19\tAnn\n", "the map's names, places and drop regions do not agree"},
        {"", "the map's names, places and drop regions do not agree"},
    };
    for (const auto& row : rows) {
        const auto read = readMapFile("x", row.text);
        ASSERT_TRUE(std::holds_alternative<std::string>(read)) << row.text;
        EXPECT_EQ(std::get<std::string>(read), row.said);
    }
}
