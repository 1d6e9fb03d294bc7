#include "BoardMap.h"

#include "MapBorders.h"
#include "ProgramFiles.h"

#include <cctype>

namespace orrinvale {

RectTw BoardMap::inBanner(const RectTw& statesBox) const
{
    return {statesBox.left - layout::kBanner.left + banner.left, statesBox.top - layout::kBanner.top + banner.top,
            statesBox.width, statesBox.height};
}

RectTw BoardMap::focusHolder() const
{
    RectTw box = layout::kFocusHolder;
    box.left += client.width - layout::kClient.width;
    return box;
}

const BoardMap& statesMap()
{
    static const BoardMap map = [] {
        BoardMap m;
        m.table = files::kStateTable;
        m.prebuilt = ":/prebuilt-map";
        for (int i = 0; i < layout::kStateCount; ++i)
            m.nameBoxes.push_back(layout::nameBox(i));
        m.panelRows = 10;
        m.placedNames.assign(layout::kMapNames.begin(), layout::kMapNames.end());
        m.regions.assign(layout::kHitRects.begin(), layout::kHitRects.end());
        m.leaderLines.assign(layout::kLeaderLines.begin(), layout::kLeaderLines.end());
        m.stacking.assign(layout::kStacking.begin(), layout::kStacking.end());
        m.borders = mapBorders();
        return m;
    }();
    return map;
}

namespace {

bool isWordCharacter(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

// The noun in the case of the word it stands for: all capitals, a capital
// first, or as written.
std::string inCaseOf(std::string_view word, std::string noun)
{
    const bool allCaps = word.size() > 1 && std::isupper(static_cast<unsigned char>(word[1]));
    for (std::size_t i = 0; i < noun.size(); ++i) {
        if (allCaps || (i == 0 && std::isupper(static_cast<unsigned char>(word[0]))))
            noun[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(noun[i])));
    }
    return noun;
}

} // namespace

std::string inTermsOf(const BoardMap& map, std::string_view text)
{
    if (map.noun == "state")
        return std::string(text);
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t end = i;
        while (end < text.size() && isWordCharacter(text[end]))
            ++end;
        if (end == i) {
            out += text[i++];
            continue;
        }
        const std::string_view word = text.substr(i, end - i);
        std::string lower(word);
        for (char& c : lower)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (lower == "state" || lower == "states")
            out += inCaseOf(word, lower == "state" ? map.noun : map.nounPlural);
        else
            out += word;
        i = end;
    }
    return out;
}

} // namespace orrinvale
