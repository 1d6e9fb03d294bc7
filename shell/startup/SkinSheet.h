// What a skin may say. A skin file is a Qt style sheet, and a style sheet can
// do more than restyle: `qproperty-text` relabels a button, `min-width` resizes
// the window. A skin is a file players pass around, so it is held to the look
// of the window: colours, backgrounds, borders, fonts, images and spacing.
#pragma once

#include <string>

namespace orrinvale {

// Reads a style sheet and writes it anew with exactly the rules and
// declarations it read, comments dropped and blanks folded, so that what Qt
// reads is what was checked. Raises a RuntimeError naming the line for a
// sheet that does not parse, an at-rule, an escape, or a declaration whose
// property is not one of the look's.
std::string checkedSkinSheet(const std::string& text);

} // namespace orrinvale
