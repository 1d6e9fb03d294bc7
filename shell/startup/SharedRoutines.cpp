#include "SharedRoutines.h"

#include <chrono>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <filesystem>

namespace orrinvale {

bool fileExists(const std::string& path) noexcept
{
    try {
        if (path.empty() || path.back() == '/' || path.back() == '\\')
            return false;
        // Wildcards make a query match many names, so a name holding one is
        // no file name. Only the last component counts: a folder may be
        // named with them.
        const auto nameStart = path.rfind('/');
        const std::size_t from = nameStart == std::string::npos ? 0 : nameStart + 1;
        if (path.find_first_of("*?", from) != std::string::npos)
            return false;
        std::error_code ec;
        static_cast<void>(std::filesystem::last_write_time(std::filesystem::path(path), ec));
        return !ec;
    } catch (...) {
        return false;
    }
}

namespace {
std::size_t characterCount(const std::string& utf8)
{
    std::size_t n = 0;
    for (const char c : utf8)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}
} // namespace

std::string shortenAppTitle(const std::string& productName)
{
    std::string title = productName;
    do {
        const auto blank = title.rfind(' ');
        if (blank == std::string::npos)
            break;
        title.resize(blank);
    } while (characterCount(title) > 40);
    return title;
}

void maybeOpenHomePage(RandomSource& random, double seconds, Launcher& launcher, const std::string& address)
{
    random.seed(seconds);
    const double r = random.next();
    const auto n = static_cast<std::int16_t>(static_cast<int>(r * 100) + 1);
    if (n == 7)
        launcher.open(address);
}

void SeededRandom::seed(double secondsSinceMidnight)
{
    std::uint64_t bits = 0;
    static_assert(sizeof bits == sizeof secondsSinceMidnight);
    std::memcpy(&bits, &secondsSinceMidnight, sizeof bits);
    state_ = bits;
}

double SeededRandom::next()
{
    // splitmix64 mixes the seed's bits well even for nearby times of day.
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) * 0x1.0p-53;
}

double secondsSinceMidnight()
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const auto sinceSecond = now - std::chrono::system_clock::from_time_t(t);
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec +
           std::chrono::duration<double>(sinceSecond).count();
}

} // namespace orrinvale
