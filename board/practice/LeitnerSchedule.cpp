#include "LeitnerSchedule.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <vector>

namespace orrinvale {

namespace {

constexpr std::string_view kHeader = "orrinvale-progress 1";
constexpr std::size_t kLongestCode = 32;

std::string_view nextWord(std::string_view& line)
{
    const auto start = line.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        line = {};
        return {};
    }
    line.remove_prefix(start);
    const auto end = std::min(line.find(' '), line.size());
    const std::string_view word = line.substr(0, end);
    line.remove_prefix(end);
    return word;
}

} // namespace

int LeitnerSchedule::intervalDays(int box)
{
    static constexpr std::array<int, kBoxes> days{0, 1, 3, 7, 14, 30};
    return days[static_cast<std::size_t>(std::clamp(box, 1, kBoxes) - 1)];
}

bool LeitnerSchedule::keepable(std::string_view code)
{
    return !code.empty() && code.size() <= kLongestCode &&
           std::all_of(code.begin(), code.end(), [](char c) { return c > ' ' && c < 0x7f; });
}

Standing LeitnerSchedule::standing(const std::string& code) const
{
    const auto it = standings_.find(code);
    return it == standings_.end() ? Standing{} : it->second;
}

bool LeitnerSchedule::isDue(const std::string& code, long today) const
{
    return standing(code).due <= today;
}

void LeitnerSchedule::record(const std::string& code, bool rightAtFirstTry, long today)
{
    if (!keepable(code))
        return;
    Standing s = standing(code);
    if (!rightAtFirstTry)
        s = Standing{1, today};
    else if (s.due <= today) {
        s.box = std::min(s.box + 1, kBoxes);
        s.due = today + intervalDays(s.box);
    }
    standings_[code] = s;
}

std::string LeitnerSchedule::line(const std::string& code, const Standing& s)
{
    return code + ' ' + std::to_string(s.box) + ' ' + isoDate(s.due) + '\n';
}

std::string LeitnerSchedule::write() const
{
    std::string text = "# Orrinvale practice: state code, box (1 to 6), day due\n";
    text += kHeader;
    text += '\n';
    for (const auto& [code, s] : standings_)
        text += line(code, s);
    return text;
}

std::size_t LeitnerSchedule::keepWithin(std::size_t mostBytes, const std::function<bool(const std::string&)>& inPlay)
{
    std::size_t size = write().size();
    std::vector<std::map<std::string, Standing>::iterator> others;
    for (auto it = standings_.begin(); it != standings_.end(); ++it)
        if (!inPlay(it->first))
            others.push_back(it);
    // The longest forgotten first: the oldest day due.
    std::stable_sort(others.begin(), others.end(), [](auto a, auto b) { return a->second.due < b->second.due; });
    std::size_t dropped = 0;
    for (const auto it : others) {
        if (size <= mostBytes)
            break;
        size -= line(it->first, it->second).size();
        standings_.erase(it);
        ++dropped;
    }
    return dropped;
}

std::optional<LeitnerSchedule> LeitnerSchedule::read(std::string_view text)
{
    LeitnerSchedule schedule;
    bool headerSeen = false;
    while (!text.empty()) {
        const auto end = text.find('\n');
        if (end == std::string_view::npos)
            return std::nullopt;  // cut short: every line ends with a line feed
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 1);
        if (line.empty() || line.front() == '#')
            continue;
        if (!headerSeen) {
            if (line != kHeader)
                return std::nullopt;
            headerSeen = true;
            continue;
        }
        const std::string_view code = nextWord(line);
        const std::string_view box = nextWord(line);
        const std::string_view due = nextWord(line);
        int boxNumber = 0;
        const auto [rest, failed] = std::from_chars(box.data(), box.data() + box.size(), boxNumber);
        const auto day = dayOfIsoDate(due);
        if (!keepable(code) || failed != std::errc() || rest != box.data() + box.size() || boxNumber < 1 ||
            boxNumber > kBoxes || !day || !nextWord(line).empty())
            return std::nullopt;
        if (!schedule.standings_.emplace(std::string(code), Standing{boxNumber, *day}).second)
            return std::nullopt;  // a state twice
    }
    if (!headerSeen)
        return std::nullopt;
    return schedule;
}

bool LeitnerSchedule::operator==(const LeitnerSchedule& other) const
{
    return std::equal(standings_.begin(), standings_.end(), other.standings_.begin(), other.standings_.end(),
                      [](const auto& a, const auto& b) {
                          return a.first == b.first && a.second.box == b.second.box && a.second.due == b.second.due;
                      });
}

std::string isoDate(long day)
{
    using namespace std::chrono;
    const year_month_day date{sys_days{days{day}}};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

std::optional<long> dayOfIsoDate(std::string_view text)
{
    using namespace std::chrono;
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    auto number = [&](std::size_t at, std::size_t length) {
        int value = -1;
        const auto [end, failed] = std::from_chars(text.data() + at, text.data() + at + length, value);
        return failed == std::errc() && end == text.data() + at + length ? value : -1;
    };
    const int y = number(0, 4), m = number(5, 2), d = number(8, 2);
    const year_month_day date{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}};
    if (y < 1970 || m < 1 || d < 1 || !date.ok())
        return std::nullopt;
    return sys_days{date}.time_since_epoch().count();
}

} // namespace orrinvale
