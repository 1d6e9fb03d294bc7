#include "MapFile.h"

#include "ProgramFiles.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <optional>

namespace orrinvale {

namespace {

constexpr int kMostPixels = 4096;  // no window of the quiz is larger

std::vector<std::string_view> fieldsOf(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string_view::npos; start = tab + 1)
        fields.push_back(line.substr(start, tab - start));
    fields.push_back(line.substr(start));
    return fields;
}

// A whole number from `least` to `most`.
bool whole(std::string_view field, int least, int most, int& out)
{
    int value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc() || end != field.data() + field.size() || value < least || value > most)
        return false;
    out = value;
    return true;
}

std::optional<int> pixels(std::string_view field)
{
    int value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc() || end != field.data() + field.size() || value < -kMostPixels || value > kMostPixels)
        return std::nullopt;
    return value * kTwipsPerPixel;
}

// Reads the records of one map, line by line; the first fault ends it.
class MapReader {
public:
    explicit MapReader(BoardMap& map) : map_(map) {}

    std::string read(std::string_view text);
    // The bordering pairs as the arrows read them: "A-B C-D ...".
    std::string borders() const { return borders_; }

private:
    bool record(const std::vector<std::string_view>& f);
    bool box(const std::vector<std::string_view>& f, std::size_t first, RectTw& out) const;
    bool code(std::string_view field) const { return !field.empty() && field.size() <= 8; }
    bool point(std::string_view x, std::string_view y, PointTw& out) const;
    bool island(const std::vector<std::string_view>& f);
    bool finish();

    BoardMap& map_;
    std::vector<std::string_view> codes_;     // of the names, in panel order
    std::string borders_;
};

bool MapReader::point(std::string_view x, std::string_view y, PointTw& out) const
{
    const auto px = pixels(x), py = pixels(y);
    if (!px || !py)
        return false;
    out = {*px, *py};
    return true;
}

// "island CODE ISLANDS NEAREST WAY [SHARER...]", "-" for no nearest country.
bool MapReader::island(const std::vector<std::string_view>& f)
{
    static constexpr std::string_view kWays[] = {"north",      "north-east", "east",       "south-east",
                                                 "south",      "south-west", "west",       "north-west"};
    IslandFacts facts{f[1], 0, f[3] == "-" ? std::string_view() : f[3], f[4], {}};
    const bool known = std::find(std::begin(kWays), std::end(kWays), f[4]) != std::end(kWays);
    if (!whole(f[2], 1, 9999, facts.islands) || !(known || (f[3] == "-" && f[4] == "-")) || !code(f[3]))
        return false;
    for (std::size_t k = 5; k < f.size(); ++k) {
        const std::size_t equals = f[k].find('=');
        if (!code(f[k].substr(0, equals)) || (equals != std::string_view::npos && equals + 1 == f[k].size()))
            return false;
        facts.sharesWith.push_back(f[k]);
    }
    map_.islands.push_back(std::move(facts));
    return true;
}

bool MapReader::box(const std::vector<std::string_view>& f, std::size_t first, RectTw& out) const
{
    if (f.size() < first + 4)
        return false;
    const auto l = pixels(f[first]), t = pixels(f[first + 1]), w = pixels(f[first + 2]), h = pixels(f[first + 3]);
    if (!l || !t || !w || !h || *w <= 0 || *h <= 0)
        return false;
    out = {*l, *t, *w, *h};
    return true;
}

bool MapReader::record(const std::vector<std::string_view>& f)
{
    const std::string_view kind = f[0];
    const std::size_t n = f.size();
    // The title is the catalogue's (MapCatalogue.h); the file's own is for
    // whoever reads the file.
    if (kind == "title" && n == 2)
        return true;
    if (kind == "noun" && n == 2 && !f[1].empty()) {
        map_.noun = std::string(f[1]);
        map_.nounPlural = map_.noun.back() == 'y' ? map_.noun.substr(0, map_.noun.size() - 1) + "ies" : map_.noun + "s";
    } else if (kind == "client" && n == 3)
        return box({"", "0", "0", f[1], f[2]}, 1, map_.client);
    else if (kind == "picture" && n == 5)
        return box(f, 1, map_.mapPicture);
    else if (kind == "banner" && n == 5)
        return box(f, 1, map_.banner);
    else if (kind == "rows" && n == 2) {
        const auto rows = pixels(f[1]);
        map_.panelRows = rows && *rows > 0 ? *rows / kTwipsPerPixel : 0;
        return map_.panelRows > 0;
    } else if (kind == "name" && n == 6 && code(f[1])) {
        // A name's cell in the panel; its words are the table's alone.
        RectTw cell;
        if (!box(f, 2, cell))
            return false;
        map_.nameBoxes.push_back(cell);
        codes_.push_back(f[1]);
    } else if (kind == "place" && n >= 6 && n <= 8) {
        // A name shows on the map where its own record says, in panel order;
        // a seventh field splits it in two lines after that many words (0:
        // one line), an eighth sets a smaller type.
        const std::size_t i = map_.placedNames.size();
        RectTw at;
        int words = 0, px = layout::kMapNameFontPx;
        if (i >= codes_.size() || f[1] != codes_[i] || !box(f, 2, at) ||
            (n >= 7 && !whole(f[6], n == 7 ? 1 : 0, 99, words)) || (n == 8 && !whole(f[7], 8, layout::kMapNameFontPx, px)))
            return false;
        map_.placedNames.push_back({{}, at, words, px});
    } else if (kind == "line" && n == 7 && code(f[1]) && (f[6] == "0" || f[6] == "1")) {
        layout::LeaderLine line{f[1], {}, {}, f[6] == "1"};
        if (!point(f[2], f[3], line.from) || !point(f[4], f[5], line.to))
            return false;
        map_.leaderLines.push_back(line);
    } else if (kind == "hit" && n == 6 && code(f[1])) {
        RectTw at;
        if (!box(f, 2, at))
            return false;
        map_.regions.push_back({at, f[1]});
    } else if (kind == "land" && n == 4 && code(f[1])) {
        PointTw at;
        if (!point(f[2], f[3], at))
            return false;
        map_.landCentres.emplace_back(f[1], at);
    } else if (kind == "island" && n >= 5 && code(f[1])) {
        return island(f);
    } else if (kind == "border" && n == 3 && code(f[1]) && code(f[2])) {
        borders_ += (borders_.empty() ? "" : " ") + std::string(f[1]) + "-" + std::string(f[2]);
    } else
        return false;
    return true;
}

std::string MapReader::read(std::string_view text)
{
    int number = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        if (line.empty() || line[0] == '#')
            continue;
        if (!record(fieldsOf(line)))
            return "line " + std::to_string(number) + " is not a record of a map";
    }
    return finish() ? std::string() : "the map's names, places and drop regions do not agree";
}

bool MapReader::finish()
{
    const std::size_t names = map_.nameBoxes.size();
    if (names == 0 || map_.placedNames.size() != names || map_.regions.empty())
        return false;
    const int last = static_cast<int>(names) - 1;
    map_.stacking = {{layout::Layer::MapPicture}, {layout::Layer::Banner}, {layout::Layer::InstructionsText},
                     {layout::Layer::InstructionsTitle}, {layout::Layer::Name, 0, last},
                     {layout::Layer::MapName, 0, last}};
    if (!map_.leaderLines.empty())
        map_.stacking.push_back({layout::Layer::Line, 0, map_.lineCount() - 1});
    return true;
}

} // namespace

std::variant<BoardMap, std::string> readMapFile(const std::string& id, std::string text)
{
    auto owned = std::make_shared<std::deque<std::string>>();
    owned->push_back(std::move(text));
    BoardMap map;
    map.id = id;
    map.noun = "country";
    map.table = files::mapTable(id);
    map.picture = ":/maps/" + id + ".svg";
    map.prebuilt = ":/prebuilt-maps/" + id;
    map.placedFromTable = true;
    MapReader reader(map);
    const std::string error = reader.read(owned->front());
    if (!error.empty())
        return error;
    owned->push_back(reader.borders());
    map.borders = owned->back();
    map.text = std::move(owned);
    return map;
}

} // namespace orrinvale
