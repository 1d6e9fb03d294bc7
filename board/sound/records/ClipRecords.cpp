#include "ClipRecords.h"

#include <algorithm>
#include <utility>

namespace orrinvale {

namespace {
constexpr std::size_t kHeaderBytes = 8;
}

std::string clipRecord(const std::optional<std::string>& samples)
{
    std::int64_t length = -1;
    if (samples)
        length = std::min<std::int64_t>(static_cast<std::int64_t>(samples->size()), kMaxClipBytes);
    const auto bits = static_cast<std::uint64_t>(length);
    std::string record(kHeaderBytes, '\0');
    for (std::size_t i = 0; i < kHeaderBytes; ++i)
        record[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    if (samples)
        record.append(*samples, 0, static_cast<std::size_t>(length));
    return record;
}

void ClipRecordReader::feed(const char* data, std::size_t size, const Done& done)
{
    while (size > 0 && !broken_) {
        if (length_ == -2) {
            const std::size_t take = std::min(size, kHeaderBytes - header_.size());
            header_.append(data, take);
            data += take;
            size -= take;
            if (header_.size() < kHeaderBytes)
                return;
            std::uint64_t bits = 0;
            for (std::size_t i = 0; i < kHeaderBytes; ++i)
                bits |= std::uint64_t{static_cast<unsigned char>(header_[i])} << (8 * i);
            header_.clear();
            length_ = static_cast<std::int64_t>(bits);
            if (length_ == -1) {
                length_ = -2;
                done(std::nullopt);
                continue;
            }
            if (length_ < 0 || length_ > kMaxClipBytes) {
                broken_ = true;
                return;
            }
            samples_.reserve(static_cast<std::size_t>(length_));
        }
        const std::size_t take = std::min(size, static_cast<std::size_t>(length_) - samples_.size());
        samples_.append(data, take);
        data += take;
        size -= take;
        if (samples_.size() == static_cast<std::size_t>(length_)) {
            length_ = -2;
            done(std::exchange(samples_, {}));
        }
    }
}

} // namespace orrinvale
