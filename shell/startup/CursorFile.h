// Windows cursor files (.cur): the hot spot of the first image, read from the
// file's directory entry.
#pragma once

#include <cstddef>
#include <string>

namespace orrinvale {

struct HotSpot {
    int x = 0;
    int y = 0;
};

// Checks the file's header and first directory entry and returns its hot
// spot. Raises a RuntimeError ("Invalid picture", or the system's message when
// the file cannot be read) for anything that is not a sound cursor file.
HotSpot readCursorHotSpot(const std::string& path);
HotSpot parseCursorHotSpot(const unsigned char* data, std::size_t size);

} // namespace orrinvale
