#include "Practice.h"

#include "Board.h"
#include "PracticeTexts.h"

#include <algorithm>
#include <set>

namespace orrinvale {

std::string practiceKey(const Board& board, int name)
{
    return trimSpaces(board.panelName(name).tag);
}

Practice::Practice(ProgressStore& store, PracticeClock clock) : store_(store), clock_(std::move(clock))
{
    if (const auto text = store_.load()) {
        if (auto kept = LeitnerSchedule::read(*text))
            schedule_ = std::move(*kept);
        else
            store_.setAside();
    }
}

std::vector<int> Practice::namesToPractise(const Board& board) const
{
    std::vector<int> names;
    if (!missedLastRound_.empty()) {
        for (const int name : missedLastRound_)
            if (!board.takenFromPanel(name))
                names.push_back(name);
        if (!names.empty())
            return names;
    }
    const long today = clock_.today();
    std::vector<int> all;
    for (int name = 0; name < board.map().nameCount(); ++name) {
        if (board.takenFromPanel(name))
            continue;
        all.push_back(name);
        // A name whose code cannot be kept is practised every time.
        const std::string key = practiceKey(board, name);
        if (!LeitnerSchedule::keepable(key) || schedule_.isDue(key, today))
            names.push_back(name);
    }
    return names.empty() ? all : names;
}

void Practice::dealt(Board& board)
{
    const std::vector<int> names = namesToPractise(board);
    missedLastRound_.clear();
    for (int name = 0; name < board.map().nameCount(); ++name)
        if (std::find(names.begin(), names.end(), name) == names.end())
            board.placeAhead(name);
    round_.start(names, clock_.seconds());
}

void Practice::dropped(const Board&, int name, const DropResult& result)
{
    round_.dropped(name, result.kind == DropResult::Right);
}

void Practice::keepWithinTheStore(const Board& board)
{
    // Other tables' states are kept for when they come back, as far as they
    // fit: a file too large to read back would lose everything.
    std::set<std::string> inPlay;
    for (int name = 0; name < board.map().nameCount(); ++name)
        inPlay.insert(practiceKey(board, name));
    const std::size_t dropped = schedule_.keepWithin(
        ProgressStore::kMostBytes, [&](const std::string& code) { return inPlay.count(code) > 0; });
    if (dropped > 0 && !toldOfDropped_) {
        toldOfDropped_ = true;
        store_.tell("practice progress of " + std::to_string(dropped) +
                    " states not in the state table left out, to keep the file within " +
                    std::to_string(ProgressStore::kMostBytes / 1024) + " KiB");
    }
}

void Practice::completed(Board& board)
{
    summary_ = round_.summary(clock_.seconds());
    const long today = clock_.today();
    for (const int name : round_.names())
        schedule_.record(practiceKey(board, name), !round_.missed(name), today);
    keepWithinTheStore(board);
    // Saved before any box is shown: closing the quiz on the congratulations
    // or on the summary keeps the round.
    store_.save(schedule_.write());
    for (const auto& missed : summary_.missed)
        missedLastRound_.push_back(missed.first);
}

void Practice::congratulated(Board& board)
{
    Services& services = board.services();
    services.boxes.show(services.app.title,
                        roundSummaryText(
                            summary_, [&](int name) { return trimSpaces(board.panelName(name).caption); }, board.map()),
                        BoxIcon::None);
}

} // namespace orrinvale
