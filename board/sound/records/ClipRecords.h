// How the clip decoder hands decoded clips to the quiz: one record per clip,
// in the order the clips were asked for. A record is a length of eight bytes
// (little-endian) and then that many bytes of samples; the length -1 stands
// for a clip that could not be decoded.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace orrinvale {

// The samples of a record: 44.1 kHz, two interleaved channels of signed
// 16-bit little-endian samples.
inline constexpr int kClipSampleRate = 44100;
inline constexpr int kClipChannels = 2;
inline constexpr int kClipBytesPerFrame = kClipChannels * 2;

// A longer clip is cut to this many bytes of samples (about 95 s).
inline constexpr std::int64_t kMaxClipBytes = 16 * 1024 * 1024;

// The record of one clip: its samples, or a failed clip when there are none.
std::string clipRecord(const std::optional<std::string>& samples);

// Reads records from a stream that may arrive in pieces of any size.
class ClipRecordReader {
public:
    using Done = std::function<void(std::optional<std::string> samples)>;

    // Calls `done` once for each record the bytes complete. A length that is
    // neither -1 nor a clip's possible size means the stream is broken:
    // nothing after it is read.
    void feed(const char* data, std::size_t size, const Done& done);
    bool broken() const { return broken_; }

private:
    std::string header_;
    std::string samples_;
    std::int64_t length_ = -2;  // -2 while the header is incomplete
    bool broken_ = false;
};

} // namespace orrinvale
