#include "CursorFile.h"

#include "IconPictures.h"
#include "RuntimeError.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

namespace orrinvale {

namespace {

constexpr const char* kInvalidPicture = "Invalid picture";
constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::uintmax_t kMaxCursorBytes = 4u << 20;
// No pointer is larger; a larger picture is no cursor (an X server may
// refuse it and break the connection).
constexpr std::uint32_t kMaxCursorSide = 256;

std::uint32_t le(const unsigned char* p, int bytes)
{
    return littleEndian(p, bytes);
}

} // namespace

HotSpot parseCursorHotSpot(const unsigned char* data, std::size_t size)
{
    if (size < kHeaderSize + kEntrySize)
        throw RuntimeError(kInvalidPicture);
    const std::uint32_t reserved = le(data, 2), type = le(data + 2, 2), count = le(data + 4, 2);
    if (reserved != 0 || type != 2 || count == 0 || kHeaderSize + kEntrySize * count > size)
        throw RuntimeError(kInvalidPicture);
    const unsigned char* entry = data + kHeaderSize;
    const int width = entry[0] ? entry[0] : 256;
    const int height = entry[1] ? entry[1] : 256;
    const int hotX = static_cast<int>(le(entry + 4, 2));
    const int hotY = static_cast<int>(le(entry + 6, 2));
    const std::uint32_t bytes = le(entry + 8, 4);
    const std::uint32_t offset = le(entry + 12, 4);
    if (bytes == 0 || offset < kHeaderSize + kEntrySize * count || offset > size || bytes > size - offset)
        throw RuntimeError(kInvalidPicture);
    if (hotX >= width || hotY >= height)
        throw RuntimeError(kInvalidPicture);
    // Every picture of the file, since a loader may take any of them, by the
    // size the picture itself gives.
    const auto pictures = iconPictures(data, size);
    if (!pictures)
        throw RuntimeError(kInvalidPicture);
    for (const IconPicture& picture : *pictures) {
        if (picture.width > kMaxCursorSide || picture.height > kMaxCursorSide)
            throw RuntimeError(kInvalidPicture);
    }
    return {hotX, hotY};
}

HotSpot readCursorHotSpot(const std::string& path)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        throw RuntimeError(std::make_error_code(std::errc::is_a_directory).message());
    const auto size = std::filesystem::file_size(path, ec);
    if (ec)
        throw RuntimeError(ec.message());
    if (size > kMaxCursorBytes)
        throw RuntimeError(kInvalidPicture);
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw RuntimeError(std::strerror(errno));
    std::vector<unsigned char> data(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(data.data()), static_cast<std::streamsize>(data.size()));
    data.resize(static_cast<std::size_t>(in.gcount()));
    return parseCursorHotSpot(data.data(), data.size());
}

} // namespace orrinvale
