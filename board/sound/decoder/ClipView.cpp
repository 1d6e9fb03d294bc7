#include "ClipView.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

namespace orrinvale {

namespace {

constexpr std::size_t kWindowBytes = 4096;

} // namespace

ClipFile::ClipFile(const std::string& path) : stream_(path, std::ios::binary)
{
    std::error_code error;
    const auto bytes = std::filesystem::file_size(path, error);
    open_ = stream_.is_open() && !error;
    size_ = open_ ? static_cast<std::int64_t>(bytes) : 0;
}

std::size_t ClipFile::readAt(std::int64_t offset, char* into, std::size_t count)
{
    if (!open_ || offset < 0 || offset >= size_)
        return 0;
    count = static_cast<std::size_t>(std::min<std::int64_t>(static_cast<std::int64_t>(count), size_ - offset));
    // A read that stopped at the end leaves the stream failed: start afresh.
    stream_.clear();
    stream_.seekg(offset);
    stream_.read(into, static_cast<std::streamsize>(count));
    return static_cast<std::size_t>(std::max<std::streamsize>(stream_.gcount(), 0));
}

std::string ClipFile::bytesAt(std::int64_t offset, std::size_t count)
{
    const auto windowEnd = windowStart_ + static_cast<std::int64_t>(window_.size());
    const bool inWindow = offset >= windowStart_ && offset + static_cast<std::int64_t>(count) <= windowEnd;
    if (!inWindow && count <= kWindowBytes) {
        window_.resize(kWindowBytes);
        window_.resize(readAt(offset, window_.data(), kWindowBytes));
        windowStart_ = offset;
    }
    if (count <= kWindowBytes) {
        const auto from = static_cast<std::size_t>(std::max<std::int64_t>(offset - windowStart_, 0));
        return from < window_.size() ? window_.substr(from, count) : std::string();
    }
    std::string bytes(count, '\0');
    bytes.resize(readAt(offset, bytes.data(), count));
    return bytes;
}

void ClipView::addFile(std::int64_t from, std::int64_t length)
{
    if (length <= 0)
        return;
    // A stretch that goes on from the last one joins it: a clip seen whole
    // is a single piece.
    if (!pieces_.empty() && pieces_.back().bytes.empty() &&
        pieces_.back().fileOffset + pieces_.back().length == from)
        pieces_.back().length += length;
    else
        pieces_.push_back({size_, length, from, {}});
    size_ += length;
}

void ClipView::addBytes(std::string bytes)
{
    if (bytes.empty())
        return;
    const auto length = static_cast<std::int64_t>(bytes.size());
    pieces_.push_back({size_, length, 0, std::move(bytes)});
    size_ += length;
}

std::size_t ClipView::read(ClipFile& file, std::int64_t position, char* into, std::size_t count) const
{
    // The first piece that ends after the position, then on to the next.
    auto piece = std::upper_bound(pieces_.begin(), pieces_.end(), position,
                                  [](std::int64_t at, const Piece& p) { return at < p.position + p.length; });
    std::size_t copied = 0;
    for (; piece != pieces_.end() && copied < count && position >= 0; ++piece) {
        const std::int64_t within = position - piece->position;
        const auto wanted = static_cast<std::size_t>(std::min<std::int64_t>(
            piece->length - within, static_cast<std::int64_t>(count - copied)));
        std::size_t got = 0;
        if (piece->bytes.empty()) {
            got = file.readAt(piece->fileOffset + within, into + copied, wanted);
        } else {
            std::memcpy(into + copied, piece->bytes.data() + within, wanted);
            got = wanted;
        }
        copied += got;
        position += static_cast<std::int64_t>(got);
        if (got < wanted)
            break;  // the file is shorter than it was
    }
    return copied;
}

} // namespace orrinvale
