// Reads a Qt style sheet and writes it anew: the rules and declarations it
// read, comments dropped and blanks folded, so that what Qt reads is what
// was read here. Only a plain sheet is read: an at-rule, an escape, a quoted
// text that spans lines or could end a rule, and anything that does not
// parse are refused. Which properties and values a sheet may hold is the
// caller's to say, declaration by declaration.
#pragma once

#include <functional>
#include <string>

namespace orrinvale {

// What the reader asks of each declaration it reads.
struct DeclarationCheck {
    // Why a property (its name in lower case) may not be set at all, or
    // nothing; asked as soon as the name and its colon are read.
    std::function<std::string(const std::string& name)> refusedProperty;
    // The value as it is to be written; raises a RuntimeError saying why
    // the value is refused.
    std::function<std::string(const std::string& name, const std::string& value)> writtenValue;
};

// The sheet written anew, one rule a line: "selector { name: value; ... }".
// Raises a RuntimeError "line N: why" for a sheet refused by the reader or
// by `check`, N being the line of the fault (of the value, for a value).
std::string rewrittenStyleSheet(const std::string& text, const DeclarationCheck& check);

} // namespace orrinvale
