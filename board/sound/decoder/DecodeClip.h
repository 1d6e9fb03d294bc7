// Decodes one sound clip into the samples of a clip record, with FFmpeg's
// libraries: whatever container and codec they know, converted to the
// record's rate, channels and sample size.
#pragma once

#include <optional>
#include <string>

namespace orrinvale {

// The clip's samples, cut after `maxBytes`; nothing when the path is not a
// plain file or holds no audio that decodes. The codec's delayed frames and
// the converter's delayed samples are drained at the end, so the last
// buffer of the clip is never lost.
std::optional<std::string> decodeClip(const std::string& path, std::size_t maxBytes);

} // namespace orrinvale
