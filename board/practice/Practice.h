// Practice mode: the states a player misses come back. Each deal puts in the
// panel only the names that are to be practised and places the others ahead;
// each completed round is summed up, kept in the schedule and saved. The
// next round deals the names missed in this one; a round without a miss
// ends the cycle, and the schedule says what comes next (the states due,
// or a full board when none is).
#pragma once

#include "LeitnerSchedule.h"
#include "PracticeRound.h"
#include "ProgressStore.h"
#include "RoundWatcher.h"

#include <functional>
#include <vector>

namespace orrinvale {

struct PracticeClock {
    std::function<long()> today;      // the local day, counted from 1970-01-01
    std::function<double()> seconds;  // a steady clock, for a round's time
};

class Practice : public RoundWatcher {
public:
    Practice(ProgressStore& store, PracticeClock clock);

    void dealt(Board& board) override;
    void dropped(const Board& board, int name, const DropResult& result) override;
    void completed(Board& board) override;
    void congratulated(Board& board) override;

    const LeitnerSchedule& schedule() const { return schedule_; }
    const PracticeRound& round() const { return round_; }

private:
    std::vector<int> namesToPractise(const Board& board) const;
    void keepWithinTheStore(const Board& board);

    ProgressStore& store_;
    PracticeClock clock_;
    LeitnerSchedule schedule_;
    PracticeRound round_;
    RoundSummary summary_;  // of the round last completed
    std::vector<int> missedLastRound_;
    bool toldOfDropped_ = false;
};

// A name's key in the schedule: its code, so a renamed state keeps its place.
std::string practiceKey(const Board& board, int name);

} // namespace orrinvale
