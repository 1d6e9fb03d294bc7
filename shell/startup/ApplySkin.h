// The optional skin: when x/o.cjs lies in the program folder, the window
// takes the dialog-face colour and the skin engine restyles it.
#pragma once

#include <string>

namespace orrinvale {

class Board;
class SkinEngine;
class WindowHost;

// True when the path is a plain file. Folders do not count; on Linux a skin
// file cannot be hidden, since its name does not start with a dot.
bool isPlainFile(const std::string& path);

void applySkin(Board& board, SkinEngine& engine, WindowHost& window);

} // namespace orrinvale
