#include "ArrowReach.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace orrinvale {

namespace {

// The states the arrows reach from the first (forwards), or that reach it
// (backwards), the first included.
std::vector<char> reachOfFirst(const std::vector<std::vector<int>>& arrows, bool forwards)
{
    std::vector<char> reached(arrows.size(), 0);
    reached[0] = 1;
    for (bool grew = true; grew;) {
        grew = false;
        for (std::size_t s = 0; s < arrows.size(); ++s) {
            for (const int to : arrows[s]) {
                char& from = reached[forwards ? static_cast<std::size_t>(to) : s];
                const char by = reached[forwards ? s : static_cast<std::size_t>(to)];
                if (by && !from) {
                    from = 1;
                    grew = true;
                }
            }
        }
    }
    return reached;
}

int directionTo(PointTw from, PointTw to)
{
    const long long dx = to.x - from.x, dy = to.y - from.y;
    if (std::llabs(dx) >= std::llabs(dy))
        return dx < 0 ? 0 : 1;  // left, right
    return dy < 0 ? 2 : 3;      // up, down
}

// An arrow that may lead elsewhere: no border needs it, and the state it
// leads to is the state itself or one another arrow leads to as well.
bool spare(const std::vector<std::vector<int>>& arrows, const std::vector<char>& free, std::size_t from, int way)
{
    if (!free[from * 4 + static_cast<std::size_t>(way)])
        return false;
    const int now = arrows[from][static_cast<std::size_t>(way)];
    if (now == static_cast<int>(from))
        return true;
    int leading = 0;
    for (const auto& ways : arrows)
        leading += static_cast<int>(std::count(ways.begin(), ways.end(), now));
    return leading >= 2;
}

// Leads a spare arrow from a state on one side of `in` to the nearest state
// on the other (out of `in` where `fromInside`, else into it); false where
// none can.
bool joinNearest(std::vector<std::vector<int>>& arrows, const std::vector<PointTw>& anchors,
                 const std::vector<char>& free, const std::vector<char>& in, bool fromInside)
{
    long long best = std::numeric_limits<long long>::max();
    std::size_t bestFrom = 0;
    int bestWay = -1, bestTo = -1;
    for (std::size_t a = 0; a < anchors.size(); ++a) {
        for (std::size_t b = 0; b < anchors.size(); ++b) {
            const std::size_t from = fromInside ? a : b, to = fromInside ? b : a;
            if (!in[a] || in[b])
                continue;
            const int way = directionTo(anchors[from], anchors[to]);
            const long long dx = anchors[to].x - anchors[from].x, dy = anchors[to].y - anchors[from].y;
            if (dx * dx + dy * dy < best && spare(arrows, free, from, way)) {
                best = dx * dx + dy * dy;
                bestFrom = from;
                bestWay = way;
                bestTo = static_cast<int>(to);
            }
        }
    }
    if (bestWay < 0)
        return false;
    arrows[bestFrom][static_cast<std::size_t>(bestWay)] = bestTo;
    return true;
}

} // namespace

void joinEveryState(std::vector<std::vector<int>>& arrows, const std::vector<PointTw>& anchors,
                    const std::vector<char>& free)
{
    // Each round joins one more state one way; a changed arrow may strand
    // the state it led to, so the rounds are bounded, not assumed to end.
    for (std::size_t round = 0; round < 4 * arrows.size() && !arrows.empty(); ++round) {
        const std::vector<char> reached = reachOfFirst(arrows, true);
        const std::vector<char> reaching = reachOfFirst(arrows, false);
        const bool allReached = std::find(reached.begin(), reached.end(), 0) == reached.end();
        const bool allReaching = std::find(reaching.begin(), reaching.end(), 0) == reaching.end();
        if (allReached && allReaching)
            return;
        // A state not reached gets an arrow from the reached part; a state
        // that cannot get back gets an arrow into the part that can.
        if (!(allReached ? joinNearest(arrows, anchors, free, reaching, false)
                         : joinNearest(arrows, anchors, free, reached, true)))
            return;
    }
}

} // namespace orrinvale
