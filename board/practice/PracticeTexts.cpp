#include "PracticeTexts.h"

#include <algorithm>
#include <cmath>

namespace orrinvale {

std::string spokenDuration(double seconds)
{
    const long whole = std::lround(std::max(0.0, seconds));
    const long h = whole / 3600, m = whole / 60 % 60, s = whole % 60;
    if (h > 0)
        return std::to_string(h) + " h " + std::to_string(m) + " min";
    if (m > 0)
        return std::to_string(m) + " min " + std::to_string(s) + " s";
    return std::to_string(s) + " s";
}

std::string roundSummaryText(const RoundSummary& summary, const std::function<std::string(int)>& nameOf,
                             const BoardMap& map)
{
    std::string text = "Placed at the first try: " + std::to_string(summary.firstTry) + " of " +
                       std::to_string(summary.dealt) + ".\n";
    if (summary.missed.empty()) {
        text += "Nothing missed.\n";
    } else {
        const auto missed = [&](const std::pair<int, int>& m) {
            return nameOf(m.first) + " (" + std::to_string(m.second) + (m.second == 1 ? " wrong drop)" : " wrong drops)");
        };
        // One state on the line; several as a list, one a line.
        if (summary.missed.size() == 1)
            text += "Missed: " + missed(summary.missed.front()) + ".\n";
        else {
            text += "Missed:\n";
            for (const auto& m : summary.missed)
                text += "\u2022 " + missed(m) + "\n";
        }
    }
    text += "Time: " + spokenDuration(summary.seconds) + ".\n";
    const std::size_t n = summary.missed.size();
    if (n == 0)
        text += inTermsOf(map, "Next: the states due, or all of them when none is.");
    else if (n == 1)
        text += inTermsOf(map, "Next round: the missed state.");
    else
        text += "Next round: the " + std::to_string(n) + " missed " + map.nounPlural + ".";
    return text;
}

} // namespace orrinvale
