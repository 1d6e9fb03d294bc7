#include "CraftedClips.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>

namespace orrinvale::testing {

namespace {

// Ogg's page checksum (CRC-32 of polynomial 0x04c11db7, unreflected) of
// the bytes followed by `zeros` zeros.
std::uint32_t oggCrc(const std::string& bytes, std::int64_t zeros)
{
    static const auto table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            t[i] = i << 24;
            for (int bit = 0; bit < 8; ++bit)
                t[i] = (t[i] & 0x80000000u) ? (t[i] << 1) ^ 0x04c11db7u : t[i] << 1;
        }
        return t;
    }();
    std::uint32_t crc = 0;
    auto add = [&](unsigned char byte) { crc = (crc << 8) ^ table[((crc >> 24) ^ byte) & 0xff]; };
    for (const char byte : bytes)
        add(static_cast<unsigned char>(byte));
    for (std::int64_t k = 0; k < zeros; ++k)
        add(0);
    return crc;
}

// Ogg pages of one stream, each packet its bytes then `zeros` zeros, in
// pages of at most 255 segments; a packet ends on its last page, whose
// granule position is `granule` (the others, none: -1).
class OggWriter {
public:
    void packet(const std::string& bytes, std::int64_t zeros, std::uint64_t granule, bool last = false)
    {
        const std::int64_t length = static_cast<std::int64_t>(bytes.size()) + zeros;
        for (std::int64_t at = 0, segmentsLeft = length / 255 + 1; segmentsLeft > 0;) {
            const std::int64_t segments = std::min<std::int64_t>(segmentsLeft, 255);
            segmentsLeft -= segments;
            const bool ends = segmentsLeft == 0;
            const std::int64_t body = ends ? length - at : segments * 255;
            std::string lacing(static_cast<std::size_t>(segments), '\xff');
            if (ends)
                lacing.back() = static_cast<char>(body % 255);
            const char flags = static_cast<char>((at > 0 ? 1 : 0) | (pages_ == 0 ? 2 : 0) | (ends && last ? 4 : 0));
            std::string page = std::string("OggS\0", 5) + flags;
            for (int b = 0; b < 8; ++b)
                page.push_back(static_cast<char>(ends ? granule >> (8 * b) : 0xff));
            page += littleEndian(0x5eed) + littleEndian(pages_++) + std::string(4, '\0');
            page += static_cast<char>(segments) + lacing;
            const std::string own = at < static_cast<std::int64_t>(bytes.size())
                                        ? bytes.substr(static_cast<std::size_t>(at), static_cast<std::size_t>(body))
                                        : std::string();
            const std::int64_t zerosHere = body - static_cast<std::int64_t>(own.size());
            page.replace(22, 4, littleEndian(oggCrc(page + own, zerosHere)));
            pieces_.push_back({page + own, zerosHere});
            at += body;
        }
    }
    Pieces take() { return std::move(pieces_); }

private:
    Pieces pieces_;
    std::uint32_t pages_ = 0;
};

} // namespace

std::string wav(std::uint32_t rate, std::size_t samples)
{
    std::string out = "RIFF";
    auto put = [&](std::uint32_t v, int bytes) {
        for (int b = 0; b < bytes; ++b)
            out.push_back(static_cast<char>((v >> (8 * b)) & 0xff));
    };
    put(static_cast<std::uint32_t>(36 + samples), 4);
    out += "WAVEfmt ";
    put(16, 4), put(1, 2), put(1, 2), put(rate, 4), put(rate, 4), put(1, 2), put(8, 2);
    out += "data";
    put(static_cast<std::uint32_t>(samples), 4);
    for (std::size_t k = 0; k < samples; ++k)
        out.push_back(static_cast<char>(k % 40 < 20 ? 0x20 : 0xe0));
    return out;
}

std::string bigEndian(std::uint32_t value, int bytes, int bits)
{
    std::string out;
    for (int b = bytes - 1; b >= 0; --b)
        out.push_back(static_cast<char>((value >> (bits * b)) & ((1u << bits) - 1)));
    return out;
}

std::string littleEndian(std::uint32_t value)
{
    const std::string big = bigEndian(value, 4);
    return {big.rbegin(), big.rend()};
}

void writeSparse(const std::filesystem::path& file, const Pieces& pieces)
{
    std::int64_t size = 0;
    {
        std::ofstream out(file, std::ios::binary);
        for (const auto& [bytes, hole] : pieces) {
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())).seekp(hole, std::ios::cur);
            size += static_cast<std::int64_t>(bytes.size()) + hole;
        }
    }
    // A hole at the end is made by the file's size alone.
    std::filesystem::resize_file(file, static_cast<std::uintmax_t>(size));
}

std::pair<std::string, std::int64_t> flacPicture(std::uint32_t bytes)
{
    std::string block = "\x06" + bigEndian(bytes, 3) + bigEndian(3, 4) + bigEndian(9, 4) + "image/png";
    for (std::uint32_t field : {0u, 1u, 1u, 24u, 0u, bytes - 41})
        block += bigEndian(field, 4);
    return {block, bytes - 41};
}

std::string contents(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

Pieces oggFlac(const std::string& flac, int comments, std::uint32_t commentBytes)
{
    // The native stream: "fLaC", STREAMINFO (38 bytes with its header),
    // more metadata blocks up to the last, then the frames.
    std::size_t frames = 4;
    for (bool last = false; !last && frames + 4 <= flac.size();) {
        last = flac[frames] & 0x80;
        frames += 4 + (static_cast<std::uint32_t>(static_cast<unsigned char>(flac[frames + 1])) << 16 |
                       static_cast<unsigned char>(flac[frames + 2]) << 8 | static_cast<unsigned char>(flac[frames + 3]));
    }
    OggWriter ogg;
    ogg.packet(std::string("\x7f" "FLAC\x01\x00", 7) + bigEndian(static_cast<std::uint32_t>(comments + 1), 2) +
                   "fLaC" + '\0' + flac.substr(5, 37),
               0, 0);
    for (int k = 0; k < comments; ++k) {
        // A Vorbis comment block: no vendor, one comment "K<k>=" and zeros.
        const std::string key = "K" + std::to_string(k) + "=";
        const std::uint32_t comment = commentBytes - 16;
        ogg.packet("\x04" + bigEndian(commentBytes - 4, 3) + littleEndian(0) + littleEndian(1) + littleEndian(comment) + key,
                   comment - static_cast<std::int64_t>(key.size()), 0);
    }
    ogg.packet(flac.substr(frames), 0, 11025, true);
    return ogg.take();
}

std::string mp3Frames(int frames)
{
    std::string frame("\xff\xfb\x90\x64", 4);
    frame.resize(417);  // 144 * 128000 / 44100 bytes, the rest zeros: silence
    std::string out;
    for (int k = 0; k < frames; ++k)
        out += frame;
    return out;
}

} // namespace orrinvale::testing
