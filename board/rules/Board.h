// The board: every control of the quiz window that the game changes, and the
// window's handlers. Plain C++; the Qt window draws what this holds.
#pragma once

#include "BoardMap.h"
#include "DropResult.h"
#include "Layout.h"
#include "ProgramFiles.h"
#include "Services.h"
#include "Twips.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace orrinvale {

class ErrorTrap;

// A draggable name of the panel. Until the state table fills it, it reads
// "Label3": a missing record shows so.
struct PanelName {
    std::string caption{layout::kNamePlaceholder};
    std::string tag;
    bool visible = true;
    bool dragShowsPushPin = false;  // from its first move over a name, for the rest of the drag
};

// A name drawn at its state's place on the map once placed.
struct PlacedName {
    bool visible = false;
};

// A drop region on the map: a rectangle that takes the names of its state.
struct Region {
    RectTw box = layout::kLaidOutRegion;
    std::string tag;
    bool visible = true;
    int zOrder = 0;     // higher lies in front
};

// Window pointer settings.
enum MousePointer : int { kDefaultPointer = 0, kBusyPointer = 11, kCustomPointer = 99 };

class Board {
public:
    // The states' map unless another is given; it outlives the board.
    explicit Board(Services& services, const BoardMap& map = statesMap());
    Board(const Board&) = delete;
    Board& operator=(const Board&) = delete;

    // The board's names and regions by index. An index without one raises a
    // RuntimeError.
    PanelName& panelName(long long index);
    const PanelName& panelName(long long index) const;
    PlacedName& placedName(long long index);
    // What the placed name shows on the map: the map's own caption, or for a
    // map whose names are held in the table alone, the panel's.
    std::string_view placedCaption(int index) const;
    bool placedNameShown(int index) const { return placedNames_.at(static_cast<std::size_t>(index)).visible; }
    Region& region(long long index);
    const std::map<int, Region>& regions() const { return regions_; }
    bool lineVisible(int index) const { return lineVisible_.at(static_cast<std::size_t>(index)) != 0; }
    bool mapVisible() const { return mapVisible_; }
    const BoardMap& map() const { return map_; }
    // The panel's cell of a name.
    RectTw nameBox(int index) const { return map_.nameBoxes.at(static_cast<std::size_t>(index)); }
    // Every name of the map placed.
    bool complete() const { return placedCount == map_.nameCount(); }

    std::int16_t placedCount = 0;
    layout::Colour backColor = layout::kWhite;
    int mousePointer = kDefaultPointer;

    // Board set-up, the last steps of the window's load (lines 126 to 170).
    void setUp(ErrorTrap& loadTrap);
    // Restart: deals the board.
    void restart();
    // Exit: closes the window.
    void exitQuiz(WindowHost& window);

    // True when the name was taken from the panel: placed on the map. Two
    // hands may carry one name (the mouse and the keys); once one of them has
    // placed it, a drop of it by the other does nothing.
    bool takenFromPanel(int source) const;
    // Places a name as a right drop would, without a drop, a clip or a box:
    // for a deal that starts with some states already named.
    void placeAhead(int source);

    // Drag and drop on the names of the panel and on the drop regions.
    void dragOverName(int index, int source);
    void dropOnName(int index, int source);
    // The verdict on the name `source` dropped on the drop region `index`.
    DropResult dropOnRegion(std::int16_t index, int source);

    // Pointer feedback.
    void pointerOverWindow();
    void pointerOverRestart();
    void pointerOverExit();

    // Hit tests in client twips: the front-most visible region, or name.
    std::optional<int> regionAt(PointTw p) const;
    std::optional<int> nameAt(PointTw p) const;
    // True where no control of the window lies: its narrow margins.
    bool isBareArea(PointTw p) const;

    std::string programFile(const std::string& relative) const;
    Services& services() { return services_; }

private:
    // The set-up's steps: the names from the state table (lines 130 to
    // 144), then the map's rectangles as drop regions (146 to 168).
    void readStateTable(ErrorTrap& trap);
    void loadRegions(ErrorTrap& trap);
    void loadRegion(int index);
    void bringToFront(Region& region);
    void playClip(const char* relativePath);
    // The steps of a right drop, from hiding the name to its clip.
    void placeRightly(ErrorTrap& trap, int source);
    void setPointerUnlessBusy(int value);

    Services& services_;
    const BoardMap& map_;
    std::vector<PanelName> panelNames_;
    std::vector<PlacedName> placedNames_;
    std::vector<char> lineVisible_;  // char, not bool: each one a value of its own
    std::map<int, Region> regions_;
    bool mapVisible_ = true;
    int topZ_ = 0;
};

// The board set-up as the window's load runs it, under the load's error trap,
// without the start-up steps before it: for tools and tests.
void setUpBoard(Board& board);

// Leading and trailing blanks removed.
std::string trimSpaces(const std::string& text);

inline constexpr const char* kCongratulations = "CONGRATULATIONS!THE MAP IS COMPLETE!";

} // namespace orrinvale
