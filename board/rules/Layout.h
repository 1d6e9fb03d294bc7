// The fixed layout of the quiz window: every control's place and size in
// twips, its caption and its colours. Nothing here is measured at run time.
#pragma once

#include "Twips.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace orrinvale::layout {

inline constexpr int kStateCount = 50;   // names in the panel, names on the map
inline constexpr int kRegionCount = 79;  // hit rectangles on the map
inline constexpr int kLineCount = 8;     // leader lines

// Client area of the window.
inline constexpr RectTw kClient{0, 0, 11760, 9360};

inline constexpr RectTw kMapPicture{510, 90, 10530, 7500};
inline constexpr RectTw kBanner{90, 6900, 11565, 2400};

inline constexpr RectTw kRestartButton{240, 7040, 1755, 405};  // object name PushButton1
inline constexpr RectTw kExitButton{240, 7520, 1755, 405};     // object name PushButton2
inline constexpr RectTw kInstructionsTitle{240, 7950, 1785, 255};
inline constexpr RectTw kInstructionsText{240, 8220, 1785, 765};
inline constexpr RectTw kFocusHolder{12360, 8040, 1695, 885};      // off screen
inline constexpr RectTw kLaidOutRegion{120, 6480, 765, 225};       // region(0) before set-up

inline constexpr std::string_view kCaption = "Orrinvale";
inline constexpr std::string_view kRestartCaption = "Restart";
inline constexpr std::string_view kExitCaption = "Exit";
inline constexpr std::string_view kInstructionsTitleCaption = "INSTRUCTIONS";
inline constexpr std::string_view kInstructionsCaption =
    "DRAG EACH STATE NAME TO ITS PROPER PLACE ON THE MAP";
inline constexpr std::string_view kNamePlaceholder = "Label3";
inline constexpr std::string_view kFocusHolderText = "Text1";

// Colours are 32-bit blue-green-red values; &H80000000 + n names system colour n.
using Colour = std::uint32_t;
inline constexpr Colour kWhite = 0x00FFFFFF;
inline constexpr Colour kButtonText = 0x80000012;
inline constexpr Colour kButtonFace = 0x8000000F;
inline constexpr Colour kWindowText = 0x80000008;

// Font sizes in pixels, so that nothing shifts with the screen's DPI.
inline constexpr int kFormFontPx = 12;         // Arial 9 pt bold
inline constexpr int kButtonFontPx = 15;       // Arial 11.25 pt bold
inline constexpr int kNameFontPx = 15;         // Arial 11.25 pt bold
inline constexpr int kInstructionFontPx = 11;  // Arial 8.25 pt
inline constexpr int kMapNameFontPx = 11;      // Arial Narrow 8.25 pt

struct MapName {
    std::string_view caption;
    RectTw box;
    int firstLineWords = 0;  // in two lines, the words of the first; 0: one line
    int fontPx = kMapNameFontPx;  // a smaller type where the land is narrow
};

// The lines a name shows in on the map: the whole caption, or split after
// its first line's words (one line still where it has no more words).
std::vector<std::string_view> linesOf(std::string_view caption, int firstLineWords);

struct LeaderLine {
    std::string_view code;  // the state whose placing shows the line
    PointTw from;
    PointTw to;
    bool startsInState = false;  // runs from the state to its name

    // The end that points into the state.
    constexpr PointTw stateEnd() const { return startsInState ? from : to; }
};

struct HitRect {
    RectTw box;
    std::string_view tag;
};

extern const std::array<MapName, kStateCount> kMapNames;
extern const std::array<LeaderLine, kLineCount> kLeaderLines;
extern const std::array<HitRect, kRegionCount> kHitRects;

// The part of a name's caption that can show in its box, or be read out.
// Laying out text costs some 40 bytes a character, and a state table may hold
// a name of many megabytes. The box is 113 pixels wide and every character
// with a width takes at least one of them, so a thousand characters always
// fill it.
std::string_view shownPart(std::string_view caption);

// Box of the draggable name panelName(i): five columns of ten, column-major.
RectTw nameBox(int index);

// Painting order of the window's windowless controls, back to front.
enum class Layer { MapPicture, Banner, InstructionsText, InstructionsTitle, Name, MapName, Line };
struct StackEntry {
    Layer layer;
    int first = 0;  // index range for Name, MapName and Line (inclusive)
    int last = 0;
};
extern const std::array<StackEntry, 13> kStacking;

} // namespace orrinvale::layout
