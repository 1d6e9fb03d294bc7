// Clips made byte by byte for the decoder's tests: small ones, and large
// ones whose bulk is holes in a sparse file, cheap on disk.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace orrinvale::testing {

// A WAV file of 8-bit mono samples at the given rate.
std::string wav(std::uint32_t rate, std::size_t samples);

// A number as `bytes` bytes, most significant first, of `bits` bits each
// (ID3v2 sizes have seven).
std::string bigEndian(std::uint32_t value, int bytes, int bits = 8);
std::string littleEndian(std::uint32_t value);

// A clip's bytes and, after each piece, a hole of zeros that takes no room
// on disk: a clip of a gigabyte stays cheap.
using Pieces = std::vector<std::pair<std::string, std::int64_t>>;
void writeSparse(const std::filesystem::path& file, const Pieces& pieces);

// A FLAC picture block with `bytes` bytes of fields and picture.
std::pair<std::string, std::int64_t> flacPicture(std::uint32_t bytes);

// The FLAC clip `flac` in an Ogg stream, with `comments` comment packets of
// `commentBytes` bytes each (mostly holes) between its STREAMINFO and its
// frames, which are 0.5 s long.
Pieces oggFlac(const std::string& flac, int comments, std::uint32_t commentBytes);

// `frames` silent MPEG-1 layer III frames, 128 kbit/s at 44.1 kHz.
std::string mp3Frames(int frames);

// The bytes of a file.
std::string contents(const std::string& file);

} // namespace orrinvale::testing
