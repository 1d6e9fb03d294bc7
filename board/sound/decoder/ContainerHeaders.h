// Reads the headers of a clip's container before FFmpeg opens it, and
// decides what of the clip FFmpeg may see. FFmpeg reads a container's
// metadata (pictures, tags, comments) whole into memory: a clip with a
// gigabyte of pictures would take the decoder to a gigabyte. Metadata over
// a small bound is left out of the view, or the clip is refused.
#pragma once

#include "ClipView.h"

#include <cstdint>
#include <optional>

namespace orrinvale {

// The most bytes of metadata FFmpeg is shown of a clip: room for a real
// cover picture and tags.
inline constexpr std::int64_t kMaxClipMetadataBytes = 1024 * 1024;

// What FFmpeg may see of the clip, or nothing when the clip is refused:
// - leading ID3v2 tags (FFmpeg reads them before any container): skipped;
// - FLAC: metadata blocks past the bound left out, STREAMINFO kept;
// - WAV, RF64: only the header and the fmt, fact, ds64 and data chunks;
// - Ogg: refused when a packet (over however many pages), or the header
//   packets of all its streams together, pass the bound; the view ends
//   where the pages stop;
// - ASF: refused when the header objects reach past the bound;
// - anything else (MP3): trailing APE and ID3v2 tags past the bound left
//   out.
std::optional<ClipView> viewOfClip(ClipFile& file);

} // namespace orrinvale
