// What a skin may say. A skin file is a Qt style sheet, and a style sheet can
// do more than restyle: `qproperty-text` relabels a button, `min-width` resizes
// the window. A skin is a file players pass around, so it is held to the look
// of the window: colours, backgrounds, borders, fonts, images and spacing.
#pragma once

#include <functional>
#include <string>

namespace orrinvale {

// Checks a picture a skin names in url(...) (as written, quotes removed) and
// returns the path Qt is to read it from; raises a RuntimeError saying why
// the picture cannot be used.
using SkinPictureCheck = std::function<std::string(const std::string& url)>;

// Reads a style sheet and writes it anew with exactly the rules and
// declarations it read, comments dropped and blanks folded, so that what Qt
// reads is what was checked. Raises a RuntimeError naming the line for a
// sheet that does not parse, an at-rule, an escape, or a declaration whose
// property is not one of the look's. Each url(...) is handed to `picture`,
// when given, and written anew with the path it returns.
std::string checkedSkinSheet(const std::string& text, const SkinPictureCheck& picture = {});

} // namespace orrinvale
