// FFmpeg's input for a clip: an AVIOContext that reads the clip's view
// rather than its file, so that FFmpeg sees only what the view shows.
#pragma once

#include "ClipView.h"

extern "C" {
#include <libavformat/avio.h>
}

namespace orrinvale {

class ClipViewInput {
public:
    // Reads `view` of `file`; both must outlive the input.
    ClipViewInput(ClipFile& file, const ClipView& view);
    ~ClipViewInput();
    ClipViewInput(const ClipViewInput&) = delete;
    ClipViewInput& operator=(const ClipViewInput&) = delete;

    // The context to hand to avformat_open_input as its pb; null when it
    // could not be made. It stays this input's to free.
    AVIOContext* context() const { return context_; }

    // FFmpeg keeps what it reads until it has made a packet of it: once it
    // has read as many bytes as the largest clip's samples since the last
    // packet taken, it keeps what no clip holds (a few frames and a
    // gigabyte of zeros), and a read fails with AVERROR(ENOMEM), as the
    // libraries' own allocations do at the decoder's memory cap.
    void packetTaken() { sincePacket_ = 0; }

private:
    static int read(void* opaque, std::uint8_t* into, int count);
    static std::int64_t seek(void* opaque, std::int64_t offset, int whence);

    ClipFile& file_;
    const ClipView& view_;
    std::int64_t position_ = 0;
    std::int64_t sincePacket_ = 0;
    AVIOContext* context_ = nullptr;
};

} // namespace orrinvale
