// One practice round: the names dealt into the panel, their wrong drops, and
// how long the round took. A name placed right before any wrong drop of it is
// known this round; one dropped wrongly at least once is missed.
#pragma once

#include <map>
#include <vector>

namespace orrinvale {

struct RoundSummary {
    int dealt = 0;       // names in the panel at the deal
    int firstTry = 0;    // of them, placed right at their first drop
    std::vector<std::pair<int, int>> missed;  // name, wrong drops; in the panel's order
    double seconds = 0;
};

class PracticeRound {
public:
    void start(std::vector<int> names, double now);
    bool contains(int name) const;
    void dropped(int name, bool right);
    bool missed(int name) const { return wrongDrops_.count(name) > 0; }
    const std::vector<int>& names() const { return names_; }
    RoundSummary summary(double now) const;

private:
    std::vector<int> names_;
    std::map<int, int> wrongDrops_;
    double started_ = 0;
};

} // namespace orrinvale
