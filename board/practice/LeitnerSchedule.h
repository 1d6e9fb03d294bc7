// When each state comes back in practice: a Leitner schedule of six boxes.
// A state starts in box 1, which is due at once; placed right at its first
// try while due, it moves up a box and comes back after that box's interval;
// missed, it goes back to box 1. Days count from 1970-01-01, local time.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace orrinvale {

struct Standing {
    int box = 1;
    long due = 0;  // the day it is due again
};

class LeitnerSchedule {
public:
    static constexpr int kBoxes = 6;
    // Days until a state moved into this box is due again: 0, 1, 3, 7, 14, 30.
    static int intervalDays(int box);
    // Codes are kept as words of a line: printable, without blanks, short.
    static bool keepable(std::string_view code);

    // A state never seen stands in box 1, due now.
    Standing standing(const std::string& code) const;
    bool isDue(const std::string& code, long today) const;
    // The outcome of a round for one of its states. A state that was not due
    // (a full board dealt when nothing was) is not moved up early.
    void record(const std::string& code, bool rightAtFirstTry, long today);

    // The progress file's text, and back; nullopt for a text that is not
    // one (damaged, cut short, or something else altogether).
    std::string write() const;
    static std::optional<LeitnerSchedule> read(std::string_view text);
    // Keeps the written text within `mostBytes`. Lines for codes the table
    // no longer holds (other tables' states) are kept as far as they fit;
    // the one due longest ago goes first. Returns how many went.
    std::size_t keepWithin(std::size_t mostBytes, const std::function<bool(const std::string&)>& inPlay);

    bool operator==(const LeitnerSchedule& other) const;

private:
    static std::string line(const std::string& code, const Standing& s);

    std::map<std::string, Standing> standings_;
};

// A day number as an ISO date (2026-12-09), and back.
std::string isoDate(long day);
std::optional<long> dayOfIsoDate(std::string_view text);

} // namespace orrinvale
