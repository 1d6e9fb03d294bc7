// A map the board is played on, as one value: the window's frame, where each
// name of the panel sits and where it shows once placed, the drop regions
// with the codes they accept, the leader lines, the order the names and
// lines are painted in, and the land borders. The board, the keys, the
// screen reader's view and the painter ask it how many names there are and
// where things lie.
#pragma once

#include "Layout.h"

#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace orrinvale {

// How a country on islands lies, as its map tells it.
struct IslandFacts {
    std::string_view code;
    int islands = 1;             // how many islands it has
    std::string_view nearest;    // the nearest country of the map, if any
    std::string_view way;        // which way that lies: "north-east"
    // The countries that share its islands: a code of the map, or
    // "CODE=Name" for a country not on it.
    std::vector<std::string_view> sharesWith;
};

struct BoardMap {
    std::string id = "us-states";   // the name `--map` takes
    std::string title = "US states";
    std::string noun = "state";      // what the names name, in the texts
    std::string nounPlural = "states";
    std::string table;                     // the names' table, in the program folder
    std::string picture = ":/map.svg";     // the map picture's resource
    std::string prebuilt;                  // its folder of pictures rendered ahead

    RectTw client = layout::kClient;
    RectTw mapPicture = layout::kMapPicture;
    RectTw banner = layout::kBanner;

    std::vector<RectTw> nameBoxes;               // the panel's cells, in panel order
    int panelRows = 1;                           // names down a column of the panel
    std::vector<layout::MapName> placedNames;    // where each name shows on the map
    bool placedFromTable = false;                // shown in the panel's words, not placedNames' captions
    std::vector<layout::HitRect> regions;        // drop regions, front-most last
    std::vector<layout::LeaderLine> leaderLines; // shown with the placing of their name
    std::vector<layout::StackEntry> stacking;    // painting order, back to front
    std::string_view borders;                    // bordering pairs: "AL-FL AL-GA ..."
    // Where each region's land lies, by its code, where its drop regions do
    // not tell it (a country shown again in an inset, or marked in the sea).
    std::vector<std::pair<std::string_view, PointTw>> landCentres;
    std::vector<IslandFacts> islands;

    // The text the views above point into, for a map read from a file.
    std::shared_ptr<const std::deque<std::string>> text;

    int nameCount() const { return static_cast<int>(nameBoxes.size()); }
    int regionCount() const { return static_cast<int>(regions.size()); }
    int lineCount() const { return static_cast<int>(leaderLines.size()); }

    // A control of the banner where the states' banner has it: the buttons
    // and the instructions keep their place at the banner's left.
    RectTw inBanner(const RectTw& statesBox) const;
    // The window's focus holder, off the window's right edge.
    RectTw focusHolder() const;
};

// The fifty states, as the window's layout lays them out.
const BoardMap& statesMap();

// A text of the quiz told of this map's names: "state", "states" and
// "STATE" become the map's own noun in the same case.
std::string inTermsOf(const BoardMap& map, std::string_view text);

} // namespace orrinvale
