#include "SkinSheet.h"

#include "RuntimeError.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace orrinvale {

namespace {

// Character classes of the sheet's syntax, ASCII only: the C library's
// follow the user's locale (Qt sets it), and a sheet must read the same
// everywhere (under a Turkish locale 'I' is no upper-case 'i').
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isLetterOrDigit(char c)
{
    return isLetter(c) || isDigit(c);
}
char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

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

// Checks the lengths of a declaration's value that set a size: those of
// paddings, borders and outlines (a bare number counts as pixels) and of
// fonts (only numbers with a unit: a bare one is a weight). Lengths inside
// parentheses (colours, gradients, urls) set no size. Returns why a length
// is refused, or nothing.
std::string sizeProblem(const std::string& name, const std::string& value)
{
    const bool font = startsWith(name, "font");
    if (!font && !startsWith(name, "padding") && !startsWith(name, "border") && !startsWith(name, "outline"))
        return {};
    if (name == "font-weight" || name == "font-family" || name == "font-style")
        return {};
    const double limit = font ? kMaxFontPixels : kMaxSpacingPixels;
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
        // A word (a colour's #hex, a name, a gradient's name) is no length.
        const bool wordStart = c == '#' || c == '_' || isLetter(c);
        if (wordStart) {
            while (i < value.size() && (isLetterOrDigit(value[i]) || value[i] == '#' || value[i] == '-' || value[i] == '_'))
                ++i;
            continue;
        }
        const bool numberStart = isDigit(c) || c == '.' || c == '-' || c == '+';
        if (!numberStart || depth > 0) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        if (c == '-' || c == '+')
            ++i;
        while (i < value.size() && (isDigit(value[i]) || value[i] == '.'))
            ++i;
        const std::string number = value.substr(start, i - start);
        std::string unit;
        for (; i < value.size() && isLetterOrDigit(value[i]); ++i)
            unit += asciiLower(value[i]);
        if (number.find_first_of("0123456789") == std::string::npos)
            continue;
        if (font && unit.empty() && name != "font-size")
            continue;  // a weight
        double pixels = decimal(number);
        if (unit == "pt")
            pixels *= 96.0 / 72.0;
        else if (unit == "em")
            pixels *= 16;
        else if (unit == "ex")
            pixels *= 8;
        else if (!unit.empty() && unit != "px")
            return name + ": " + number + unit + " is no length a skin may use (px, pt, em or ex)";
        if (pixels < 0)
            return name + ": " + number + unit + " is less than nothing";
        if (pixels > limit)
            return name + ": " + number + unit + " is larger than a skin may make it (at most " +
                   std::to_string(static_cast<int>(limit)) + "px)";
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

class SheetReader {
public:
    SheetReader(const std::string& text, const SkinPictureCheck& picture) : text_(text), picture_(picture) {}

    std::string read()
    {
        std::string out;
        for (;;) {
            skipBlanks();
            if (atEnd())
                return out;
            const std::string selector = readSelector();
            std::string block = readDeclarations();
            if (!out.empty())
                out += '\n';
            out += selector + " {" + block + " }";
        }
    }

private:
    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }

    [[noreturn]] void fail(const std::string& what) const
    {
        // CR LF, a lone LF and a lone CR each end a line.
        std::size_t line = 1;
        const std::size_t end = std::min(pos_, text_.size());
        for (std::size_t i = 0; i < end; ++i) {
            if (text_[i] == '\n' || (text_[i] == '\r' && (i + 1 >= text_.size() || text_[i + 1] != '\n')))
                ++line;
        }
        throw RuntimeError("line " + std::to_string(line) + ": " + what);
    }

    // Blanks and comments; returns whether there were any.
    bool skipBlanks()
    {
        bool any = false;
        while (!atEnd()) {
            if (isBlank(peek())) {
                ++pos_;
            } else if (text_.compare(pos_, 2, "/*") == 0) {
                const auto close = text_.find("*/", pos_ + 2);
                if (close == std::string::npos)
                    fail("a comment is not closed");
                pos_ = close + 2;
            } else {
                break;
            }
            any = true;
        }
        return any;
    }

    // A quoted text, copied with its quotes. It may not hold a line end, a
    // backslash, or anything that could end a rule.
    void copyString(std::string& out)
    {
        const char quote = text_[pos_];
        const std::size_t start = pos_++;
        while (!atEnd() && peek() != quote) {
            const char c = peek();
            if (c == '\n' || c == '\r' || c == '\f' || c == '\\' || c == '{' || c == '}' || c == ';')
                fail("a quoted text holds a line end, a backslash, a brace or a semicolon");
            ++pos_;
        }
        if (atEnd())
            fail("a quoted text is not closed");
        ++pos_;
        out.append(text_, start, pos_ - start);
    }

    // Moves on to the next character to read: blanks fold into one space in
    // `out`, and a quoted text is copied whole. Returns that character, or
    // '\0' after a quoted text.
    char advance(std::string& out, const char* whenEnded)
    {
        if (skipBlanks() && !out.empty() && out.back() != ' ')
            out += ' ';
        if (atEnd())
            fail(whenEnded);
        const char c = peek();
        if (c != '"' && c != '\'')
            return c;
        copyString(out);
        return '\0';
    }

    // A selector or a value as read, without its trailing blank; none at all
    // is a fault.
    std::string finished(std::string text, const char* whenEmpty) const
    {
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        if (text.empty())
            fail(whenEmpty);
        return text;
    }

    std::string readSelector()
    {
        std::string selector;
        for (;;) {
            const char c = advance(selector, "a rule has no declarations");
            if (c == '\0')
                continue;
            if (c == '{')
                break;
            const auto u = static_cast<unsigned char>(c);
            if (c == '@')
                fail("at-rules are not allowed in a skin");
            if (c == '\\')
                fail("escapes are not allowed in a skin");
            if (!(isLetterOrDigit(c) || std::string_view("_-#.:*>,[]=~|^$!+()").find(c) != std::string_view::npos))
                fail(std::string("a selector holds '") + (u >= 0x20 && u < 0x7F ? std::string(1, c) : "?") +
                     "'");
            selector += c;
            ++pos_;
        }
        ++pos_;  // '{'
        return finished(std::move(selector), "a rule has no selector");
    }

    std::string readName()
    {
        std::string name;
        while (!atEnd()) {
            const char c = peek();
            if (!(isLetterOrDigit(c) || c == '-' || c == '_'))
                break;
            name += asciiLower(c);
            ++pos_;
        }
        if (peek() == '\\')
            fail("escapes are not allowed in a skin");
        if (name.empty())
            fail("a declaration has no property name");
        return name;
    }

    std::string readValue()
    {
        std::string value;
        int depth = 0;
        for (;;) {
            const char c = advance(value, "a rule is not closed");
            if (c == '\0')
                continue;
            if (depth == 0 && (c == ';' || c == '}'))
                break;
            if (c == '{' || c == ';' || c == '}')
                fail("a value holds a brace or a semicolon");
            if (c == '\\')
                fail("escapes are not allowed in a skin");
            if (c == '@')
                fail("at-rules are not allowed in a skin");
            if (c == '(')
                ++depth;
            if (c == ')' && --depth < 0)
                fail("a value closes a parenthesis it did not open");
            value += c;
            ++pos_;
        }
        return finished(std::move(value), "a declaration has no value");
    }

    std::string readDeclarations()
    {
        std::string block;
        for (;;) {
            skipBlanks();
            if (atEnd())
                fail("a rule is not closed");
            if (peek() == '}') {
                ++pos_;
                return block;
            }
            if (peek() == ';') {
                ++pos_;
                continue;
            }
            const std::string name = readName();
            skipBlanks();
            if (peek() != ':')
                fail("the declaration of " + name + " has no colon");
            ++pos_;
            if (!isLookProperty(name))
                fail(name + " changes more than the look of the window");
            const std::size_t valueStart = pos_;
            const std::string value = readValue();
            if (const std::string problem = sizeProblem(name, value); !problem.empty()) {
                pos_ = valueStart;
                fail(problem);
            }
            std::string written = value;
            if (picture_) {
                try {
                    written = withCheckedPictures(value, picture_);
                } catch (const RuntimeError& e) {
                    pos_ = valueStart;
                    fail(e.what());
                }
            }
            block += " " + name + ": " + written + ";";
        }
    }

    const std::string& text_;
    const SkinPictureCheck& picture_;
    std::size_t pos_ = 0;
};

} // namespace

std::string checkedSkinSheet(const std::string& text, const SkinPictureCheck& picture)
{
    return SheetReader(text, picture).read();
}

} // namespace orrinvale
