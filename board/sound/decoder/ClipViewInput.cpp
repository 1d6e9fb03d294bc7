#include "ClipViewInput.h"

#include "ClipRecords.h"

extern "C" {
#include <libavutil/error.h>
#include <libavutil/mem.h>
}

#include <cstdio>

namespace orrinvale {

namespace {

// FFmpeg reads through a buffer of this size.
constexpr int kBufferBytes = 32 * 1024;

} // namespace

ClipViewInput::ClipViewInput(ClipFile& file, const ClipView& view) : file_(file), view_(view)
{
    auto* buffer = static_cast<unsigned char*>(av_malloc(kBufferBytes));
    if (!buffer)
        return;
    context_ = avio_alloc_context(buffer, kBufferBytes, 0, this, &ClipViewInput::read, nullptr, &ClipViewInput::seek);
    if (!context_)
        av_free(buffer);
}

ClipViewInput::~ClipViewInput()
{
    if (!context_)
        return;
    // FFmpeg may have put a buffer of its own in place of ours.
    av_freep(&context_->buffer);
    avio_context_free(&context_);
}

int ClipViewInput::read(void* opaque, std::uint8_t* into, int count)
{
    auto* input = static_cast<ClipViewInput*>(opaque);
    if (count <= 0)
        return 0;
    if (input->sincePacket_ >= kMaxClipBytes)
        return AVERROR(ENOMEM);
    const std::size_t got = input->view_.read(input->file_, input->position_, reinterpret_cast<char*>(into),
                                              static_cast<std::size_t>(count));
    if (got == 0)
        return AVERROR_EOF;
    input->position_ += static_cast<std::int64_t>(got);
    input->sincePacket_ += static_cast<std::int64_t>(got);
    return static_cast<int>(got);
}

std::int64_t ClipViewInput::seek(void* opaque, std::int64_t offset, int whence)
{
    auto* input = static_cast<ClipViewInput*>(opaque);
    if (whence & AVSEEK_SIZE)
        return input->view_.size();
    std::int64_t position = offset;
    switch (whence & ~AVSEEK_FORCE) {
    case SEEK_SET:
        break;
    case SEEK_CUR:
        position += input->position_;
        break;
    case SEEK_END:
        position += input->view_.size();
        break;
    default:
        return AVERROR(EINVAL);
    }
    if (position < 0)
        return AVERROR(EINVAL);
    input->position_ = position;
    return position;
}

} // namespace orrinvale
