#include "IconPictures.h"

#include <cstdint>
#include <cstring>

namespace orrinvale {

namespace {

constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kEntrySize = 16;

std::uint32_t le(const unsigned char* p, int bytes)
{
    return littleEndian(p, bytes);
}

std::uint32_t be(const unsigned char* p)
{
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}

std::optional<IconPicture> pictureSize(const unsigned char* picture, std::size_t bytes)
{
    if (startsLikePng(picture, bytes)) {
        if (bytes < 24)
            return std::nullopt;
        return IconPicture{be(picture + 16), be(picture + 20)};
    }
    if (bytes < 12)
        return std::nullopt;
    const auto width = static_cast<std::int32_t>(le(picture + 4, 4));
    const auto height = static_cast<std::int32_t>(le(picture + 8, 4));
    const long long rows = height < 0 ? -static_cast<long long>(height) : height;
    // A bitmap's height counts its colour rows and its mask rows.
    return IconPicture{width, (rows + 1) / 2};
}

} // namespace

std::uint32_t littleEndian(const unsigned char* p, int bytes)
{
    std::uint32_t v = 0;
    for (int k = bytes - 1; k >= 0; --k)
        v = (v << 8) | p[k];
    return v;
}

bool startsLikePng(const unsigned char* data, std::size_t size)
{
    static constexpr unsigned char kPng[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    return size >= sizeof kPng && std::memcmp(data, kPng, sizeof kPng) == 0;
}

bool looksLikeIconFile(const unsigned char* data, std::size_t size, int type)
{
    return size >= kHeaderSize && le(data, 2) == 0 && static_cast<int>(le(data + 2, 2)) == type && le(data + 4, 2) > 0;
}

std::optional<IconEntry> iconEntry(const unsigned char* data, std::size_t size, int index)
{
    if (size < kHeaderSize || index < 0)
        return std::nullopt;
    const std::uint32_t count = le(data + 4, 2);
    if (static_cast<std::uint32_t>(index) >= count || kHeaderSize + kEntrySize * count > size)
        return std::nullopt;
    const unsigned char* entry = data + kHeaderSize + kEntrySize * static_cast<std::size_t>(index);
    IconEntry e{entry[0], entry[1], static_cast<int>(le(entry + 6, 2)), le(entry + 8, 4), le(entry + 12, 4)};
    if (e.bytes == 0 || e.offset < kHeaderSize + kEntrySize * count || e.offset > size || e.bytes > size - e.offset)
        return std::nullopt;
    return e;
}

std::optional<std::vector<IconPicture>> iconPictures(const unsigned char* data, std::size_t size)
{
    if (size < kHeaderSize)
        return std::nullopt;
    const std::uint32_t count = le(data + 4, 2);
    if (count == 0 || kHeaderSize + kEntrySize * count > size)
        return std::nullopt;
    std::vector<IconPicture> pictures;
    for (std::uint32_t i = 0; i < count; ++i) {
        const unsigned char* entry = data + kHeaderSize + kEntrySize * i;
        const std::uint32_t bytes = le(entry + 8, 4), offset = le(entry + 12, 4);
        if (bytes == 0 || offset < kHeaderSize + kEntrySize * count || offset > size || bytes > size - offset)
            return std::nullopt;
        const auto picture = pictureSize(data + offset, bytes);
        if (!picture || picture->width <= 0 || picture->height <= 0)
            return std::nullopt;
        pictures.push_back(*picture);
    }
    return pictures;
}

} // namespace orrinvale
