#include "ContainerHeaders.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <string_view>

namespace orrinvale {

namespace {

// A walk through more blocks or chunks than this is no real clip.
constexpr int kMostHeaders = 4096;
// The most Ogg streams open at once in a real clip.
constexpr std::size_t kMostOggStreams = 64;

std::uint64_t littleEndian(std::string_view bytes, std::size_t at, int count)
{
    std::uint64_t value = 0;
    for (int k = count - 1; k >= 0; --k)
        value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(k)]);
    return value;
}

std::uint64_t bigEndian(std::string_view bytes, std::size_t at, int count)
{
    std::uint64_t value = 0;
    for (int k = 0; k < count; ++k)
        value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(k)]);
    return value;
}

// The size an ID3v2 header or footer gives: four bytes of seven bits each;
// nothing when it is no ID3v2 header (as FFmpeg matches them).
std::optional<std::int64_t> id3v2Size(std::string_view header, std::string_view magic)
{
    if (header.size() < 10 || header.substr(0, 3) != magic || header[3] == '\xff' || header[4] == '\xff')
        return std::nullopt;
    std::int64_t size = 0;
    for (std::size_t k = 6; k < 10; ++k) {
        if (header[k] & 0x80)
            return std::nullopt;
        size = size << 7 | header[k];
    }
    // Header, tag, and a footer when the flags say there is one.
    return 10 + size + ((header[5] & 0x10) ? 10 : 0);
}

// Where the clip starts after the ID3v2 tags in front of it; nothing for a
// file that is tag after tag (no real clip, and a long walk).
std::optional<std::int64_t> afterLeadingTags(ClipFile& file)
{
    std::int64_t at = 0;
    for (int tags = 0; tags < kMostHeaders; ++tags) {
        const auto size = id3v2Size(file.bytesAt(at, 10), "ID3");
        if (!size)
            return at;
        at += *size;
    }
    return std::nullopt;
}

std::optional<ClipView> flacView(ClipFile& file, std::int64_t start)
{
    struct Block {
        std::int64_t body;
        std::uint32_t length;
        char type;
    };
    std::vector<Block> kept;
    std::int64_t keptBytes = 0;
    std::int64_t at = start + 4;
    for (int blocks = 0;; ++blocks) {
        const std::string header = file.bytesAt(at, 4);
        if (header.size() < 4 || blocks == kMostHeaders)
            return std::nullopt;
        const auto length = static_cast<std::uint32_t>(bigEndian(header, 1, 3));
        if (keptBytes + 4 + length <= kMaxClipMetadataBytes) {
            kept.push_back({at + 4, length, static_cast<char>(header[0] & 0x7f)});
            keptBytes += 4 + length;
        } else if (blocks == 0) {
            return std::nullopt;  // no STREAMINFO: FFmpeg could not decode it anyway
        }
        at += 4 + length;
        if (header[0] & 0x80)
            break;
    }
    // Each kept block with a header of its own, the last one marked last.
    ClipView view;
    view.addBytes("fLaC");
    for (const Block& block : kept) {
        const bool last = &block == &kept.back();
        const char header[] = {static_cast<char>(block.type | (last ? 0x80 : 0)), static_cast<char>(block.length >> 16),
                               static_cast<char>(block.length >> 8), static_cast<char>(block.length)};
        view.addBytes(std::string(header, 4));
        view.addFile(block.body, block.length);
    }
    view.addFile(at, file.size() - at);
    return view;
}

std::optional<ClipView> wavView(ClipFile& file, std::int64_t start)
{
    const std::string form = file.bytesAt(start, 4);
    const bool big = form == "RIFX";
    const bool ds64 = form == "RF64" || form == "BW64";
    auto number = [big](std::string_view bytes, std::size_t at, int count) {
        return big ? bigEndian(bytes, at, count) : littleEndian(bytes, at, count);
    };
    ClipView view;
    view.addFile(start, 12);
    std::int64_t keptBytes = 12;
    std::optional<std::uint64_t> ds64DataSize;
    std::int64_t at = start + 12;
    for (int chunks = 0; chunks < kMostHeaders; ++chunks) {
        const std::string header = file.bytesAt(at, 8);
        if (header.size() < 8)
            return view;  // no data chunk: FFmpeg finds none either
        const std::string_view id = std::string_view(header).substr(0, 4);
        std::uint64_t size = number(header, 4, 4);
        const std::int64_t body = at + 8;
        const std::int64_t rest = std::max<std::int64_t>(file.size() - body, 0);
        if (id == "data") {
            // RF64 gives the data's size in ds64; a size of 0 or ~0 in a
            // plain WAV means "up to the end", as streamed files are written.
            if (ds64 && ds64DataSize)
                size = *ds64DataSize;
            const bool toEnd = (!ds64 && (size == 0 || size == 0xffffffffu)) || size > static_cast<std::uint64_t>(rest);
            view.addFile(at, 8 + (toEnd ? rest : static_cast<std::int64_t>(size)));
            return view;
        }
        // FFmpeg steps to the next chunk on an even offset.
        std::int64_t next = body + static_cast<std::int64_t>(size);
        next += (next - start) & 1;
        if (id == "fmt " || id == "fact" || id == "ds64") {
            keptBytes += next - at;
            if (keptBytes > kMaxClipMetadataBytes)
                return std::nullopt;
            if (id == "ds64")
                ds64DataSize = littleEndian(file.bytesAt(body + 8, 8) + std::string(8, '\0'), 0, 8);
            view.addFile(at, next - at);
        }
        at = next;
    }
    return std::nullopt;
}

// The header packets of an Ogg clip's streams, counted together against
// the bound: FFmpeg keeps every header packet's comments and pictures.
class OggHeaders {
public:
    // Counts a page's body while its stream is in its headers; false once
    // all streams' headers pass the bound. Header packets lie on pages of
    // granule position 0 (or none, -1, on a page no packet ends on); the
    // first page with a position of its own holds sound.
    bool count(std::uint32_t serial, std::uint64_t granule, std::string_view lacing)
    {
        if (past_.contains(serial))
            return true;
        for (const char segment : lacing)
            bytes_ += static_cast<unsigned char>(segment);
        if (granule != 0 && granule != ~std::uint64_t{0})
            past_.insert(serial);
        return bytes_ <= kMaxClipMetadataBytes;
    }
    // The stream's last page: a stream chained after it may take its number.
    void ended(std::uint32_t serial) { past_.erase(serial); }

private:
    std::set<std::uint32_t> past_;
    std::int64_t bytes_ = 0;
};

std::optional<ClipView> oggView(ClipFile& file, std::int64_t start)
{
    // Per stream, the bytes so far of the packet its last page left open.
    std::map<std::uint32_t, std::int64_t> openPacket;
    OggHeaders headers;
    std::int64_t at = start;
    for (;;) {
        const std::string header = file.bytesAt(at, 27);
        if (header.size() < 27 || header.compare(0, 4, "OggS") != 0)
            break;
        const auto segments = static_cast<unsigned char>(header[26]);
        const std::string lacing = file.bytesAt(at + 27, segments);
        if (lacing.size() < segments)
            break;
        const auto serial = static_cast<std::uint32_t>(littleEndian(header, 14, 4));
        if (!headers.count(serial, littleEndian(header, 6, 8), lacing))
            return std::nullopt;
        std::int64_t& packet = openPacket[serial];
        if (!(header[5] & 0x01))
            packet = 0;  // not a continued page: FFmpeg drops what was open
        std::int64_t body = 0;
        for (const char segment : lacing) {
            const auto bytes = static_cast<unsigned char>(segment);
            body += bytes;
            packet += bytes;
            if (packet > kMaxClipMetadataBytes)
                return std::nullopt;
            if (bytes < 255)
                packet = 0;
        }
        if (header[5] & 0x04) {
            openPacket.erase(serial);  // the stream's last page
            headers.ended(serial);
        }
        if (openPacket.size() > kMostOggStreams || at + 27 + segments + body > file.size())
            break;
        at += 27 + segments + body;
    }
    // The view ends where the pages stop (a cut page, trailing bytes).
    ClipView view;
    view.addFile(start, at - start);
    return view;
}

constexpr std::string_view kAsfHeader{"\x30\x26\xb2\x75\x8e\x66\xcf\x11\xa6\xd9\x00\xaa\x00\x62\xce\x6c", 16};
constexpr std::string_view kAsfData{"\x36\x26\xb2\x75\x8e\x66\xcf\x11\xa6\xd9\x00\xaa\x00\x62\xce\x6c", 16};
constexpr std::string_view kAsfHeaderExtension{"\xb5\x03\xbf\x5f\x2e\xa9\xcf\x11\x8e\xe3\x00\xc0\x0c\x20\x53\x65", 16};

std::optional<ClipView> asfView(ClipFile& file, std::int64_t start)
{
    const std::string header = file.bytesAt(start, 30);
    if (header.size() < 30 || littleEndian(header, 16, 8) > static_cast<std::uint64_t>(kMaxClipMetadataBytes))
        return std::nullopt;
    // FFmpeg reads object after object up to the data object, whatever the
    // header object's size says, and goes into the header extension: the
    // data object must start within the bound on that same walk.
    std::int64_t at = start + 30;
    while (at - start <= kMaxClipMetadataBytes) {
        const std::string object = file.bytesAt(at, 24);
        if (object.size() < 24)
            return std::nullopt;
        const std::string_view guid = std::string_view(object).substr(0, 16);
        if (guid == kAsfData) {
            ClipView view;
            view.addFile(start, file.size() - start);
            return view;
        }
        const std::uint64_t size = littleEndian(object, 16, 8);
        if (guid == kAsfHeaderExtension)
            at += 24 + 22;  // its own fields; its objects follow
        else if (size < 24 || size > static_cast<std::uint64_t>(kMaxClipMetadataBytes))
            return std::nullopt;
        else
            at += static_cast<std::int64_t>(size);
    }
    return std::nullopt;
}

// MP3 and the rest: the trailing tags FFmpeg reads are an ID3v1 tag (128
// bytes, kept), an APE tag and an appended ID3v2 tag (left out past the
// bound).
ClipView taggedView(ClipFile& file, std::int64_t start)
{
    std::int64_t end = file.size();
    const bool id3v1 = end - start >= 128 && file.bytesAt(end - 128, 3) == "TAG";
    if (id3v1)
        end -= 128;
    const std::string ape = file.bytesAt(end - 32, 32);
    if (end - start >= 32 && ape.size() == 32 && ape.compare(0, 8, "APETAGEX") == 0) {
        const auto size = static_cast<std::int64_t>(littleEndian(ape, 12, 4)) + ((ape[23] & 0x80) ? 32 : 0);
        if (size > kMaxClipMetadataBytes)
            end -= std::min(size, end - start);
    }
    if (end - start >= 10)
        if (const auto size = id3v2Size(file.bytesAt(end - 10, 10), "3DI"); size && *size > kMaxClipMetadataBytes)
            end -= std::min(*size, end - start);
    ClipView view;
    view.addFile(start, end - start);
    if (id3v1)
        view.addFile(file.size() - 128, 128);
    return view;
}

} // namespace

std::optional<ClipView> viewOfClip(ClipFile& file)
{
    const std::optional<std::int64_t> tagged = afterLeadingTags(file);
    if (!tagged)
        return std::nullopt;
    const std::int64_t start = *tagged;
    const std::string magic = file.bytesAt(start, 16);
    const std::string_view form = std::string_view(magic).substr(0, std::min<std::size_t>(4, magic.size()));
    if (form == "fLaC")
        return flacView(file, start);
    if ((form == "RIFF" || form == "RIFX" || form == "RF64" || form == "BW64") && file.bytesAt(start + 8, 4) == "WAVE")
        return wavView(file, start);
    if (form == "OggS")
        return oggView(file, start);
    if (magic == kAsfHeader)
        return asfView(file, start);
    return taggedView(file, start);
}

} // namespace orrinvale
