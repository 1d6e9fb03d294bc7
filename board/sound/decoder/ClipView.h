// What the decoder lets FFmpeg see of a clip: stretches of the clip's file
// and a few bytes made here, read one after the other as a single stream.
// It lets the decoder leave out a clip's large metadata, which FFmpeg would
// otherwise read whole into memory.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace orrinvale {

// A clip's file, read at any offset.
class ClipFile {
public:
    explicit ClipFile(const std::string& path);
    bool isOpen() const { return open_; }
    std::int64_t size() const { return size_; }
    // Copies up to `count` bytes from `offset`; returns how many it copied
    // (fewer at the end of the file).
    std::size_t readAt(std::int64_t offset, char* into, std::size_t count);
    // The `count` bytes from `offset` (fewer at the end of the file). Small
    // reads come from a window kept of the file, so that walking a
    // container's headers one by one costs few reads of the file.
    std::string bytesAt(std::int64_t offset, std::size_t count);

private:
    std::ifstream stream_;
    bool open_ = false;
    std::int64_t size_ = 0;
    std::int64_t windowStart_ = 0;
    std::string window_;
};

class ClipView {
public:
    // Adds the file's bytes [from, from + length), as far as the file goes.
    void addFile(std::int64_t from, std::int64_t length);
    // Adds bytes made by the decoder, such as a changed header.
    void addBytes(std::string bytes);
    std::int64_t size() const { return size_; }
    // Copies up to `count` bytes of the view from `position`; returns how
    // many it copied (none past the end).
    std::size_t read(ClipFile& file, std::int64_t position, char* into, std::size_t count) const;

private:
    struct Piece {
        std::int64_t position;    // where it starts in the view
        std::int64_t length;
        std::int64_t fileOffset;  // where it starts in the file, when `bytes` is empty
        std::string bytes;
    };
    std::vector<Piece> pieces_;
    std::int64_t size_ = 0;
};

} // namespace orrinvale
