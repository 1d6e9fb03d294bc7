// What a declaration of a skin may set: the properties of the look alone
// (colours, backgrounds, borders, fonts, images and spacing), sizes within
// bounds that keep every control working in its own place and every box on
// screen, and pictures that pass their check.
#pragma once

#include "SkinSheet.h"

#include <string>

namespace orrinvale {

// True for the properties a skin may set (lower case).
bool isLookProperty(const std::string& name);

// The value of a look property as it is to be written: unchanged, or with
// each url(...) handed to `picture`, when given, and written anew with the
// path it returns. Raises a RuntimeError saying why a size is refused
// (a unit that is no length, less than nothing, larger than the bound) or
// why a picture cannot be used.
std::string checkedLookValue(const std::string& name, const std::string& value, const SkinPictureCheck& picture);

} // namespace orrinvale
