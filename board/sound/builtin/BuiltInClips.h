// The shipped clips' samples, decoded by the build and compiled in. A clip
// file that is byte for byte one of the shipped clips is played from these,
// with no decoder; any other file (replaced, missing, unreadable) is left
// to the decoder as before.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace orrinvale {

struct ShippedClip {
    std::int64_t size;
    const char* sha256;    // of the file's bytes, in lower-case hex
    const char* resource;  // its decoded record
};

const std::vector<ShippedClip>& shippedClips();

// The compiled-in samples of the clip file at `path` when it is one of the
// shipped clips (same size, same bytes); else empty.
QByteArray builtInSamples(const QString& path);

} // namespace orrinvale
