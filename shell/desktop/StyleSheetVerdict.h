// Whether Qt reads a style sheet whole.
#pragma once

#include <string>

namespace orrinvale {

// Qt drops a style sheet it cannot parse and only says so on the console:
// the sheet is tried on a widget of its own, never shown, and the verdict is
// Qt's own warning. Needs the application object.
bool qtReadsStyleSheet(const std::string& styleSheet);

} // namespace orrinvale
