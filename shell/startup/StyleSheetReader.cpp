#include "StyleSheetReader.h"

#include "RuntimeError.h"
#include "SheetCharacters.h"

#include <algorithm>
#include <string_view>

namespace orrinvale {

using sheet::asciiLower;
using sheet::isBlank;
using sheet::isLetterOrDigit;

namespace {

class SheetReader {
public:
    SheetReader(const std::string& text, const DeclarationCheck& check) : text_(text), check_(check) {}

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
            if (const std::string refused = check_.refusedProperty(name); !refused.empty())
                fail(refused);
            block += " " + name + ": " + readCheckedValue(name) + ";";
        }
    }

    // A value as the check has it written; a refused one is reported at the
    // line where the value starts.
    std::string readCheckedValue(const std::string& name)
    {
        const std::size_t valueStart = pos_;
        const std::string value = readValue();
        try {
            return check_.writtenValue(name, value);
        } catch (const RuntimeError& e) {
            pos_ = valueStart;
            fail(e.what());
        }
    }

    const std::string& text_;
    const DeclarationCheck& check_;
    std::size_t pos_ = 0;
};

} // namespace

std::string rewrittenStyleSheet(const std::string& text, const DeclarationCheck& check)
{
    return SheetReader(text, check).read();
}

} // namespace orrinvale
