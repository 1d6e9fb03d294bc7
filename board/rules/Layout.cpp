#include "Layout.h"

namespace orrinvale::layout {

namespace {
constexpr int kMapNameHeight = 225;
constexpr int kMapNameWidth = 885;
constexpr MapName name(std::string_view caption, int left, int top, int width = kMapNameWidth)
{
    return {caption, {left, top, width, kMapNameHeight}};
}
} // namespace

const std::array<MapName, kStateCount> kMapNames{{
    name("Alabama", 7800, 5100),
    name("Alaska", 750, 480),
    name("Arizona", 3150, 4590),
    name("Arkansas", 6690, 4740),
    name("California", 1980, 4080),
    name("Colorado", 4380, 3720),
    name("Connecticut", 10500, 3120),
    name("Delaware", 10380, 3570),
    name("Florida", 8910, 5790),
    name("Georgia", 8490, 5070),
    name("Hawaii", 750, 4980),
    name("Idaho", 3120, 2550),
    name("Illinois", 7200, 3510),
    name("Indiana", 7740, 3510),
    name("Iowa", 6480, 3150),
    name("Kansas", 5580, 3930),
    name("Kentucky", 7980, 4080),
    name("Louisiana", 6720, 5370),
    name("Maine", 10350, 1770),
    name("Maryland", 10200, 3960),
    name("Massachusetts", 10590, 2640),
    name("Michigan", 7980, 2820),
    name("Minnesota", 6330, 2280),
    name("Mississippi", 7230, 4950),
    name("Missouri", 6690, 3990),
    name("Montana", 4080, 1950),
    name("Nebraska", 5370, 3210),
    name("Nevada", 2490, 3300),
    name("New Hampshire", 9180, 1440, 1245),
    name("New Jersey", 10380, 3390),
    name("New Mexico", 4200, 4650),
    name("New York", 8880, 2010),
    name("North Carolina", 9120, 4320, 1095),
    name("North Dakota", 5430, 1980),
    name("Ohio", 8310, 3330),
    name("Oklahoma", 5790, 4530),
    name("Oregon", 2130, 2280),
    name("Pennsylvania", 9090, 3120),
    name("Rhode Island", 10890, 2910, 855),
    name("South Carolina", 9030, 4710, 1185),
    name("South Dakota", 5340, 2640),
    name("Tennessee", 7680, 4470),
    name("Texas", 5520, 5370),
    name("Utah", 3390, 3600),
    name("Vermont", 8970, 1710),
    name("Virginia", 9210, 3900),
    name("Washington", 2340, 1620),
    name("West Virginia", 8580, 3690),
    name("Wisconsin", 6990, 2610),
    name("Wyoming", 4140, 2820),
}};

// Line8 runs from the state to its name, the other seven from the name to the state.
const std::array<LeaderLine, kLineCount> kLeaderLines{{
    {"CT", {10680, 3150}, {10350, 2940}},
    {"DE", {10440, 3690}, {10050, 3630}},
    {"MD", {10290, 3960}, {9780, 3630}},
    {"NH", {10200, 1740}, {10440, 2400}},
    {"NJ", {10350, 3480}, {10140, 3360}},
    {"NY", {9450, 2280}, {9810, 2700}},
    {"RI", {10890, 3060}, {10500, 2880}},
    {"VT", {10230, 2340}, {9720, 1890}, true},
}};

// The hit rectangles (index, Left, Top, Width, Height, Tag).
// Rectangle 59 lies on northern Virginia between West Virginia and Maryland,
// so it carries "VA".
const std::array<HitRect, kRegionCount> kHitRects{{
    {{690, 150, 1425, 1095}, "AK"},    // 0
    {{2250, 1230, 1035, 825}, "WA"},   // 1
    {{3630, 1620, 1605, 915}, "MT"},   // 2
    {{5310, 1830, 1035, 615}, "ND"},   // 3
    {{6360, 1800, 705, 1155}, "MN"},   // 4
    {{7110, 2280, 705, 825}, "WI"},    // 5
    {{1950, 2040, 1185, 765}, "OR"},   // 6
    {{3270, 1500, 315, 1095}, "ID"},   // 7
    {{3150, 2580, 885, 465}, "ID"},    // 8
    {{4020, 2550, 1125, 855}, "WY"},   // 9
    {{5220, 2430, 1155, 645}, "SD"},   // 10
    {{5490, 3060, 1035, 645}, "NE"},   // 11
    {{5160, 3060, 345, 435}, "NE"},    // 12
    {{4260, 3480, 1155, 825}, "CO"},   // 13
    {{3390, 3150, 825, 1035}, "UT"},   // 14
    {{2460, 2910, 975, 795}, "NV"},    // 15
    {{2820, 3690, 465, 705}, "NV"},    // 16
    {{1740, 2790, 705, 885}, "CA"},    // 17
    {{1890, 3690, 735, 885}, "CA"},    // 18
    {{2430, 4200, 585, 735}, "CA"},    // 19
    {{3090, 4200, 975, 1215}, "AZ"},   // 20
    {{4140, 4290, 1035, 1035}, "NM"},  // 21
    {{5460, 3690, 1245, 675}, "KS"},   // 22
    {{5790, 4350, 975, 675}, "OK"},    // 23
    {{5220, 4320, 525, 165}, "OK"},    // 24
    {{6750, 4470, 735, 735}, "AR"},    // 25
    {{5190, 4470, 585, 885}, "TX"},    // 26
    {{5760, 5040, 1125, 1035}, "TX"},  // 27
    {{4560, 5340, 1185, 585}, "TX"},   // 28
    {{5610, 6030, 975, 645}, "TX"},    // 29
    {{6870, 5190, 555, 735}, "LA"},    // 30
    {{7410, 5610, 345, 405}, "LA"},    // 31
    {{7470, 4770, 465, 885}, "MS"},    // 32
    {{7920, 4740, 585, 825}, "AL"},    // 33
    {{8490, 4680, 495, 885}, "GA"},    // 34
    {{8970, 5040, 375, 495}, "GA"},    // 35
    {{9030, 4590, 585, 465}, "SC"},    // 36
    {{8130, 5520, 1305, 285}, "FL"},   // 37
    {{9060, 5790, 705, 885}, "FL"},    // 38
    {{7590, 4350, 975, 375}, "TN"},    // 39
    {{6750, 3570, 585, 885}, "MO"},    // 40
    {{7320, 4080, 315, 405}, "MO"},    // 41
    {{7380, 3090, 525, 945}, "IL"},    // 42
    {{7620, 4020, 255, 285}, ""},      // 43
    {{7890, 3270, 525, 765}, "IN"},    // 44
    {{8430, 3210, 675, 435}, "OH"},    // 45
    {{8430, 3630, 525, 285}, "OH"},    // 46
    {{7860, 4080, 975, 285}, "KY"},    // 47
    {{8400, 3900, 465, 195}, "KY"},    // 48
    {{8940, 3630, 345, 465}, "WV"},    // 49
    {{9270, 3600, 195, 255}, "WV"},    // 50
    {{9450, 3510, 195, 135}, "WV"},    // 51
    {{8880, 4260, 705, 345}, "NC"},    // 52
    {{9600, 4170, 555, 555}, "NC"},    // 53
    {{8760, 4440, 135, 225}, "NC"},    // 54
    {{8580, 4530, 225, 165}, "NC"},    // 55
    {{8550, 4350, 225, 195}, "TN"},    // 56
    {{8880, 4110, 645, 165}, "VA"},    // 57
    {{9300, 3840, 705, 345}, "VA"},    // 58
    {{9450, 3630, 285, 225}, "VA"},    // 59
    {{9660, 3450, 255, 195}, "MD"},    // 60
    {{9750, 3630, 165, 165}, "MD"},    // 61
    {{9930, 3690, 195, 135}, "MD"},    // 62
    {{9990, 3540, 135, 165}, "DE"},    // 63
    {{10020, 3060, 225, 495}, "NJ"},   // 64
    {{9930, 3450, 135, 195}, "DE"},    // 65
    {{9090, 3000, 945, 495}, "PA"},    // 66
    {{9240, 2310, 855, 705}, "NY"},    // 67
    {{10080, 2700, 135, 345}, "NY"},   // 68
    {{10110, 2160, 225, 555}, "VT"},   // 69
    {{10200, 2850, 285, 195}, "CT"},   // 70
    {{10470, 2790, 165, 225}, "RI"},   // 71
    {{10200, 2670, 495, 165}, "MA"},   // 72
    {{10320, 2160, 195, 555}, "NH"},   // 73
    {{10500, 1590, 525, 885}, "ME"},   // 74
    {{1200, 4770, 525, 585}, "HI"},    // 75
    {{480, 4620, 705, 255}, "HI"},     // 76
    {{8040, 2400, 705, 825}, "MI"},    // 77
    {{6510, 3000, 825, 585}, "IA"},    // 78
}};

RectTw nameBox(int index)
{
    struct Column {
        int left;
        int top;
        int width;
    };
    static constexpr std::array<Column, 5> kColumns{{
        {2220, 6990, 1700},
        {3840, 7020, 1695},
        {5670, 6990, 1695},
        {7530, 6990, 1695},
        {9480, 6990, 1700},
    }};
    constexpr int kRowPitch = 210;
    constexpr int kHeight = 285;
    const Column& c = kColumns.at(static_cast<std::size_t>(index / 10));
    return {c.left, c.top + kRowPitch * (index % 10), c.width, kHeight};
}

// Back to front: the map, the banner, the instructions, the names of the
// panel, then the map names with the leader lines between them.
const std::array<StackEntry, 13> kStacking{{
    {Layer::MapPicture},
    {Layer::Banner},
    {Layer::InstructionsText},
    {Layer::InstructionsTitle},
    {Layer::Name, 0, 49},
    {Layer::MapName, 0, 17},
    {Layer::Line, 0, 1},
    {Layer::MapName, 18, 32},
    {Layer::Line, 2, 3},
    {Layer::MapName, 33, 44},
    {Layer::Line, 4, 6},
    {Layer::MapName, 45, 49},
    {Layer::Line, 7, 7},
}};

std::vector<std::string_view> linesOf(std::string_view caption, int firstLineWords)
{
    std::size_t space = std::string_view::npos;
    for (int word = 0; word < firstLineWords; ++word)
        if ((space = caption.find(' ', space == std::string_view::npos ? 0 : space + 1)) == std::string_view::npos)
            return {caption};
    if (space == std::string_view::npos)
        return {caption};
    return {caption.substr(0, space), caption.substr(space + 1)};
}

std::string_view shownPart(std::string_view caption)
{
    constexpr std::size_t kMostShown = 1024;
    if (caption.size() <= kMostShown)
        return caption;
    std::size_t end = kMostShown;
    while (end > 0 && (static_cast<unsigned char>(caption[end]) & 0xC0) == 0x80)
        --end;  // not inside a UTF-8 sequence
    return caption.substr(0, end);
}

} // namespace orrinvale::layout
