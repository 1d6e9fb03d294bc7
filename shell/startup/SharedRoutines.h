// Small routines the window's load uses: a file test, the application title
// and the occasional visit to the home page.
#pragma once

#include <string>

namespace orrinvale {

inline constexpr const char* kProductName = "Orrinvale";

// True when the path names an existing file or folder. An empty path, one
// with a wildcard, one ending in a separator, or any failure answers false.
bool fileExists(const std::string& path) noexcept;

// The application title made from the product name: words are cut from its
// end, at least once, until at most 40 characters remain. A single word
// stays whole.
std::string shortenAppTitle(const std::string& productName = kProductName);

// A pseudo-random generator seeded from the time of day.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seed(double secondsSinceMidnight) = 0;
    virtual double next() = 0;  // 0 <= r < 1
};

// Opens a web address in the desktop's browser without waiting for it.
// Raises a RuntimeError when the browser cannot be started.
class Launcher {
public:
    virtual ~Launcher() = default;
    virtual void open(const std::string& address) = 0;
};

// On about one start in a hundred (the draw n = 7 of 1 to 100) opens the
// home page.
void maybeOpenHomePage(RandomSource& random, double secondsSinceMidnight, Launcher& launcher,
                       const std::string& address);

// The generator of the program: splitmix64 over the bits of the seed.
class SeededRandom : public RandomSource {
public:
    void seed(double secondsSinceMidnight) override;
    double next() override;

private:
    unsigned long long state_ = 0;
};

double secondsSinceMidnight();

} // namespace orrinvale
