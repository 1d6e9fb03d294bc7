// The pictures inside an icon or cursor file (.ico, .cur), each sized by its
// own header (a PNG's, or a bitmap's) whatever the file's directory says:
// a loader decodes what the picture says, not what the directory claims.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace orrinvale {

struct IconPicture {
    long long width = 0;
    long long height = 0;  // a bitmap's rows without its mask
};

// A little-endian number of 1 to 4 bytes, as icon and cursor files hold them.
std::uint32_t littleEndian(const unsigned char* p, int bytes);

// True when the bytes begin with a PNG signature (a picture inside an icon
// or cursor file may be a whole PNG file).
bool startsLikePng(const unsigned char* data, std::size_t size);

// True when the bytes begin like an icon (type 1) or cursor (type 2) file.
bool looksLikeIconFile(const unsigned char* data, std::size_t size, int type);

// A picture's entry in the file's directory, as the file gives it: a side of
// 0 stands for 256 or more (the picture's own header tells), and a cursor's
// bit count is its hot spot's y.
struct IconEntry {
    int width = 0;
    int height = 0;
    int bitCount = 0;
    std::uint32_t bytes = 0;
    std::uint32_t offset = 0;  // from the file's start; the picture lies wholly in the file
};
std::optional<IconEntry> iconEntry(const unsigned char* data, std::size_t size, int index);

// Every picture of the file; nothing when the file's directory or any of its
// pictures cannot be read.
std::optional<std::vector<IconPicture>> iconPictures(const unsigned char* data, std::size_t size);

} // namespace orrinvale
