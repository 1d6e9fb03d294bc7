// The words of practice mode.
#pragma once

#include "BoardMap.h"
#include "PracticeRound.h"

#include <functional>
#include <string>

namespace orrinvale {

// The summary shown after a practice round's congratulations; `nameOf` gives
// a name's caption.
std::string roundSummaryText(const RoundSummary& summary, const std::function<std::string(int)>& nameOf,
                             const BoardMap& map);

// "42 s", "4 min 5 s", "1 h 2 min".
std::string spokenDuration(double seconds);

} // namespace orrinvale
