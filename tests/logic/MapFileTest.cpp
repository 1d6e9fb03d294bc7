// The continents' maps as the program reads them: each is played through by
// the keys, its arrows reach every country, and a faulty text is refused.
#include "Fakes.h"
#include "KeyboardPlay.h"
#include "MapCatalogue.h"
#include "MapFile.h"
#include "PlayTexts.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <optional>
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

BoardMap shippedMap(const std::string& id)
{
    auto read = readMapFile(id, shipped("maps/" + id + ".map"));
    if (auto* map = std::get_if<BoardMap>(&read))
        return std::move(*map);
    ADD_FAILURE() << id << ": " << std::get<std::string>(read);
    return {};
}

// A continent's board, set up from its shipped files, and the keys' play on it.
struct ShippedBoard {
    explicit ShippedBoard(const std::string& id) : map(shippedMap(id))
    {
        folder.write(files::mapTable(id), shipped("maps/" + id + ".txt"));
        setUpBoard(board);
        keys.emplace(board, StateMap(board));
    }
    int countryOf(std::string_view code) const
    {
        for (int c = 0; c < keys->map().size(); ++c)
            if (keys->map().state(c).code == code)
                return c;
        return -1;
    }

    BoardMap map;
    TempFolder folder;
    RecordingBoxes boxes;
    RecordingPlayer player;
    AppInfo app{folder.str(), "Orrinvale", ""};
    Services services{boxes, player, app};
    Board board{services, map};
    std::optional<KeyboardPlay> keys;
};

// The countries whose whereabouts are told word for word as another's.
std::string alikeWhereabouts(const KeyboardPlay& play)
{
    std::map<std::string, std::string> told;
    std::string alike;
    for (int c = 0; c < play.map().size(); ++c) {
        auto [it, fresh] = told.emplace(texts::whereabouts(play, c), play.map().state(c).code);
        if (!fresh)
            alike += it->second + " and " + play.map().state(c).code + ": " + it->first + "\n";
    }
    return alike;
}

} // namespace

TEST(MapFile, EveryContinentIsPlayedThroughByTheKeysItsArrowsReachingEveryCountry)
{
    for (const MapEntry& entry : kMaps) {
        const std::string id(entry.id);
        if (id == statesMap().id)
            continue;
        ShippedBoard shipped(id);
        const BoardMap& map = shipped.map;
        Board& board = shipped.board;
        RecordingBoxes& boxes = shipped.boxes;
        ASSERT_TRUE(boxes.shown.empty()) << id << ": " << boxes.shown[0].text;

        KeyboardPlay& play = *shipped.keys;
        ASSERT_EQ(play.map().size(), map.nameCount()) << id << ": a country without a target, or a target of none";
        const auto [reached, unjoined] = arrowsOf(play.map());
        EXPECT_EQ(reached, static_cast<std::size_t>(map.nameCount())) << id << ": countries the arrows never reach";
        EXPECT_EQ(unjoined, 0) << id << ": bordering countries no arrow joins";
        EXPECT_EQ(texts::stateName(play, 0), "Unnamed country 1") << id;
        EXPECT_EQ(board.placedCaption(0), board.panelName(0).caption) << id << ": a name is held in the table alone";
        EXPECT_EQ(texts::whereabouts(play, 0).find("state"), std::string::npos) << id;

        for (int name = 0; name < map.nameCount(); ++name) {
            const std::string code = board.panelName(name).tag;
            const int country = shipped.countryOf(code);
            ASSERT_GE(country, 0) << id << ": no target for " << code;
            if (name + 1 == map.nameCount()) {
                EXPECT_EQ(alikeWhereabouts(play), "") << id << ": countries told alike";
            }
            play.pickUp(name);
            const auto kind = play.dropOn(country).kind;
            EXPECT_EQ(kind, name + 1 < map.nameCount() ? Reaction::Right : Reaction::Completed) << id << " " << code;
        }
        ASSERT_EQ(boxes.shown.size(), 1u) << id;
        EXPECT_EQ(boxes.shown[0].text, kCongratulations);
        EXPECT_EQ(board.placedCount, 0) << id << ": a fresh board is dealt";
    }
}

// A country's whereabouts come from its own land, wherever its box or its
// inset stands (Azerbaijan's box was once south of India, Liechtenstein's
// in the Bay of Biscay); an island country says so, and two countries that
// would be told alike are told apart.
TEST(MapFile, WhereaboutsAreToldFromEachCountrysOwnLand)
{
    const struct {
        const char* map;
        const char* code;
        const char* where;
    } rows[] = {
        {"asia", "AZ", "In the north-west of the map"},
        {"asia", "KW", "In the west of the map"},
        {"europe", "LI", "In the middle of the map"},
        {"oceania", "KI", "Islands in the north-east of the map, nearest an unnamed country, to the west"},
        {"oceania", "PG", "Islands in the north-west of the map, sharing land with Indonesia"},
        {"asia", "TL", "In the south-east of the map, sharing its island with 1 unnamed country"},
        {"asia", "BT", "In the middle of the map, bordering 2 unnamed countries, east of an unnamed country"},
    };
    for (const auto& row : rows) {
        ShippedBoard shipped(row.map);
        const std::string told = texts::whereabouts(*shipped.keys, shipped.countryOf(row.code));
        EXPECT_EQ(told.rfind(row.where, 0), 0u) << row.map << " " << row.code << ": " << told;
    }
}

// A name in two lines breaks after its first line's words, and stays whole
// where it has no more words than that.
TEST(MapFile, ANameInTwoLinesBreaksAfterItsFirstLinesWords)
{
    const struct {
        const char* caption;
        int words;
        std::vector<std::string_view> lines;
    } rows[] = {
        {"Central African Republic", 2, {"Central African", "Republic"}},
        {"Central African Republic", 1, {"Central", "African Republic"}},
        {"South Sudan", 0, {"South Sudan"}},
        {"South Sudan", 2, {"South Sudan"}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(layout::linesOf(row.caption, row.words), row.lines) << row.caption << " " << row.words;
}

TEST(MapFile, AFaultyTextIsRefusedWithItsLine)
{
    const std::string head = "noun\tcountry\nclient\t900\t690\npicture\t6\t6\t888\t400\nbanner\t6\t500\t888\t160\nrows\t10\n";
    const std::string names = "name\tAA\t148\t506\t100\t19\nplace\tAA\t10\t10\t40\t12\t0\t9\nhit\tAA\t10\t10\t30\t30\n";
    const auto good = readMapFile("x", head + names + "border\tAA\tBB\n");
    ASSERT_TRUE(std::holds_alternative<BoardMap>(good));
    EXPECT_EQ(std::get<BoardMap>(good).placedNames[0].fontPx, 9);
    const struct {
        std::string text;
        std::string said;
    } rows[] = {
        {head + "name\tAA\t148\t506\t-5\t19\n", "line 6 is not a record of a map"},
        {head + "name\tAA\t148\t506\t1e9\t19\n", "line 6 is not a record of a map"},
        {head + "place\tAA\t10\t10\t40\t14\n", "line 6 is not a record of a map"},
        {head + "name\tAA\t148\t506\t100\t19\nplace\tBB\t10\t10\t40\t14\n", "line 7 is not a record of a map"},
        {head + "name\tAA\t148\t506\t100\t19\nplace\tAA\t10\t10\t40\t28\t0\n", "line 7 is not a record of a map"},
        {head + "name\tAA\t148\t506\t100\t19\nplace\tAA\t10\t10\t40\t28\t2x\n", "line 7 is not a record of a map"},
        {head + "name\tAA\t148\t506\t100\t19\nplace\tAA\t10\t10\t40\t12\t0\t12\n", "line 7 is not a record of a map"},
        {head + "hit\tAA\t1\t1\t1\n", "line 6 is not a record of a map"},
        {head + "name\tAA\t148\t506\t100\t19\n", "the map's names, places and drop regions do not agree"},
        {"", "the map's names, places and drop regions do not agree"},
    };
    for (const auto& row : rows) {
        const auto read = readMapFile("x", row.text);
        ASSERT_TRUE(std::holds_alternative<std::string>(read)) << row.text;
        EXPECT_EQ(std::get<std::string>(read), row.said);
    }
}
