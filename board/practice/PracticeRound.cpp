#include "PracticeRound.h"

#include <algorithm>

namespace orrinvale {

void PracticeRound::start(std::vector<int> names, double now)
{
    names_ = std::move(names);
    wrongDrops_.clear();
    started_ = now;
}

bool PracticeRound::contains(int name) const
{
    return std::find(names_.begin(), names_.end(), name) != names_.end();
}

void PracticeRound::dropped(int name, bool right)
{
    if (!right && contains(name))
        ++wrongDrops_[name];
}

RoundSummary PracticeRound::summary(double now) const
{
    RoundSummary s;
    s.dealt = static_cast<int>(names_.size());
    for (const int name : names_) {
        if (const auto it = wrongDrops_.find(name); it != wrongDrops_.end())
            s.missed.emplace_back(name, it->second);
        else
            ++s.firstTry;
    }
    s.seconds = std::max(0.0, now - started_);
    return s;
}

} // namespace orrinvale
