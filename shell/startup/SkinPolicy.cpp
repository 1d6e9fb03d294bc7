#include "SkinPolicy.h"

#include "RuntimeError.h"
#include "SheetCharacters.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace orrinvale {

using sheet::asciiLower;
using sheet::isDigit;
using sheet::isLetter;
using sheet::isLetterOrDigit;

// True for the properties a skin may set (lower case).
bool isLookProperty(const std::string& name)
{
    // Families: the name itself or the name followed by "-" and more.
    // No margins: a margin moves the part of a control that takes clicks.
    static constexpr std::array<std::string_view, 5> kFamilies{"background", "border", "font", "outline", "padding"};
    static constexpr std::array<std::string_view, 11> kSingles{
        "alternate-background-color", "color", "gridline-color", "icon", "image", "image-position", "opacity",
        "selection-background-color", "selection-color", "text-align", "text-decoration"};
    for (const std::string_view family : kFamilies) {
        if (name == family || (name.size() > family.size() + 1 && name.compare(0, family.size(), family) == 0 &&
                               name[family.size()] == '-'))
            return true;
    }
    return std::find(kSingles.begin(), kSingles.end(), name) != kSingles.end();
}

namespace {

bool startsWith(const std::string& text, std::string_view start)
{
    return text.compare(0, start.size(), start) == 0;
}

// Sizes a skin may give, in pixels: spacing and borders that keep every
// control's text inside its own area, fonts that keep every box on screen.
constexpr double kMaxSpacingPixels = 16;
constexpr double kMaxFontPixels = 32;

// A decimal number with a point, read the same under every locale (the C
// library's reader takes the locale's decimal comma).
double decimal(const std::string& number)
{
    double value = 0, scale = 1;
    bool fraction = false;
    for (const char c : number) {
        if (c == '.') {
            fraction = true;
        } else if (isDigit(c)) {
            if (fraction)
                value += (c - '0') * (scale /= 10);
            else
                value = value * 10 + (c - '0');
        }
    }
    return number[0] == '-' ? -value : value;
}

// A length as written: its number, sign and all, and its unit in lower case.
struct Length {
    std::string number;
    std::string unit;
};

// The end of the word that starts at `i` (a colour's #hex, a name, a
// gradient's name).
std::size_t endOfWord(const std::string& value, std::size_t i)
{
    while (i < value.size() && (isLetterOrDigit(value[i]) || value[i] == '#' || value[i] == '-' || value[i] == '_'))
        ++i;
    return i;
}

// The length that starts at `i`, moving `i` past it.
Length readLength(const std::string& value, std::size_t& i)
{
    const std::size_t start = i;
    if (value[i] == '-' || value[i] == '+')
        ++i;
    while (i < value.size() && (isDigit(value[i]) || value[i] == '.'))
        ++i;
    Length length{value.substr(start, i - start), {}};
    for (; i < value.size() && isLetterOrDigit(value[i]); ++i)
        length.unit += asciiLower(value[i]);
    return length;
}

// The lengths of a value, in order. Words are no lengths, and lengths inside
// quotes or parentheses (colours, gradients, urls) set no size.
std::vector<Length> lengthsOf(const std::string& value)
{
    std::vector<Length> lengths;
    int depth = 0;
    char quote = 0;
    for (std::size_t i = 0; i < value.size();) {
        const char c = value[i];
        if (quote) {
            quote = c == quote ? 0 : quote;
            ++i;
            continue;
        }
        if (c == '"' || c == '\'') {
            quote = c;
            ++i;
            continue;
        }
        depth += c == '(' ? 1 : c == ')' ? -1 : 0;
        if (c == '#' || c == '_' || isLetter(c)) {
            i = endOfWord(value, i);
            continue;
        }
        const bool numberStart = isDigit(c) || c == '.' || c == '-' || c == '+';
        if (!numberStart || depth > 0) {
            ++i;
            continue;
        }
        Length length = readLength(value, i);
        if (length.number.find_first_of("0123456789") != std::string::npos)
            lengths.push_back(std::move(length));
    }
    return lengths;
}

// Why one length of a property is refused, or nothing: pixels, points, and
// ems and exes of the default font are the units; `limit` is in pixels.
std::string lengthProblem(const std::string& name, const Length& length, double limit)
{
    const std::string written = length.number + length.unit;
    double pixels = decimal(length.number);
    if (length.unit == "pt")
        pixels *= 96.0 / 72.0;
    else if (length.unit == "em")
        pixels *= 16;
    else if (length.unit == "ex")
        pixels *= 8;
    else if (!length.unit.empty() && length.unit != "px")
        return name + ": " + written + " is no length a skin may use (px, pt, em or ex)";
    if (pixels < 0)
        return name + ": " + written + " is less than nothing";
    if (pixels > limit)
        return name + ": " + written + " is larger than a skin may make it (at most " +
               std::to_string(static_cast<int>(limit)) + "px)";
    return {};
}

// Checks the lengths of a declaration's value that set a size: those of
// paddings, borders and outlines (a bare number counts as pixels) and of
// fonts (only numbers with a unit: a bare one is a weight). Returns why a
// length is refused, or nothing.
std::string sizeProblem(const std::string& name, const std::string& value)
{
    const bool font = startsWith(name, "font");
    if (!font && !startsWith(name, "padding") && !startsWith(name, "border") && !startsWith(name, "outline"))
        return {};
    if (name == "font-weight" || name == "font-family" || name == "font-style")
        return {};
    const double limit = font ? kMaxFontPixels : kMaxSpacingPixels;
    for (const Length& length : lengthsOf(value)) {
        if (font && length.unit.empty() && name != "font-size")
            continue;  // a weight
        if (std::string problem = lengthProblem(name, length, limit); !problem.empty())
            return problem;
    }
    return {};
}

// Hands every url(...) of a value to the check and writes it anew, quoted,
// with the path the check returns.
std::string withCheckedPictures(const std::string& value, const SkinPictureCheck& picture)
{
    std::string out;
    std::size_t i = 0;
    while (i < value.size()) {
        const bool url = value.size() - i >= 4 && asciiLower(value[i]) == 'u' && asciiLower(value[i + 1]) == 'r' &&
                         asciiLower(value[i + 2]) == 'l' && value[i + 3] == '(' &&
                         (i == 0 || !isLetterOrDigit(value[i - 1]));
        if (!url) {
            out += value[i++];
            continue;
        }
        const std::size_t close = value.find(')', i + 4);
        if (close == std::string::npos)
            throw RuntimeError("a url is not closed");
        std::string name = value.substr(i + 4, close - i - 4);
        const std::size_t first = name.find_first_not_of(" \t\r\n");
        const std::size_t last = name.find_last_not_of(" \t\r\n");
        name = first == std::string::npos ? std::string() : name.substr(first, last - first + 1);
        if (name.size() >= 2 && (name.front() == '"' || name.front() == '\'') && name.back() == name.front())
            name = name.substr(1, name.size() - 2);
        if (name.empty())
            throw RuntimeError("a url names no picture");
        const std::string path = picture(name);
        if (path.find_first_of("\"'\\{};()\r\n") != std::string::npos)
            throw RuntimeError("the picture " + name + " lies in a folder whose name a skin cannot write");
        out += "url(\"" + path + "\")";
        i = close + 1;
    }
    return out;
}

} // namespace

std::string checkedLookValue(const std::string& name, const std::string& value, const SkinPictureCheck& picture)
{
    if (const std::string problem = sizeProblem(name, value); !problem.empty())
        throw RuntimeError(problem);
    return picture ? withCheckedPictures(value, picture) : value;
}

} // namespace orrinvale
