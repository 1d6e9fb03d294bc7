#include "CursorPicture.h"

#include "IconPictures.h"
#include "PngPicture.h"
#include "QtVersionDifferences.h"

#include <cstring>

namespace orrinvale {

namespace {

constexpr std::size_t kInfoHeaderSize = 40;
constexpr int kLargestSide = 256;

// Reads on through the file from a picture's start, as a stream would.
class Bytes {
public:
    Bytes(const QByteArray& file, std::size_t at) : file_(file), at_(at) {}
    const unsigned char* take(std::size_t n)
    {
        if (at_ > static_cast<std::size_t>(file_.size()) || n > static_cast<std::size_t>(file_.size()) - at_)
            return nullptr;
        const auto* p = reinterpret_cast<const unsigned char*>(file_.constData()) + at_;
        at_ += n;
        return p;
    }

private:
    const QByteArray& file_;
    std::size_t at_;
};

// Rows are stored bottom up, each padded to four bytes.
bool readRows(Bytes& in, QImage& image, qsizetype rowBytes, int rows)
{
    for (int y = rows - 1; y >= 0; --y) {
        const unsigned char* row = in.take(static_cast<std::size_t>(rowBytes));
        if (!row)
            return false;
        std::memcpy(image.scanLine(y), row, static_cast<std::size_t>(std::min(rowBytes, image.bytesPerLine())));
    }
    return true;
}

QImage bitmapPicture(const QByteArray& file, const IconEntry& entry)
{
    Bytes in(file, entry.offset);
    const unsigned char* header = in.take(kInfoHeaderSize);
    if (!header)
        return {};
    const int headerBits = static_cast<int>(littleEndian(header + 14, 2));
    const int bits = headerBits ? headerBits : entry.bitCount;
    // 16-bit pictures have no colours Qt reads; other depths are no bitmap.
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return {};
    const bool trueColour = bits >= 24;
    const std::uint32_t colourCount = littleEndian(header + 32, 4);
    const std::uint32_t colours = trueColour ? 0 : colourCount ? colourCount : 1u << bits;
    if (colours > 256)
        return {};
    // The directory's sides, where it gives them; else the header's.
    const int width = entry.width ? entry.width : static_cast<int>(littleEndian(header + 4, 4));
    const int height = entry.height ? entry.height : static_cast<int>(littleEndian(header + 8, 4) / 2);
    if (width <= 0 || height <= 0 || width > kLargestSide || height > kLargestSide)
        return {};

    QImage::Format format = QImage::Format_ARGB32;
    if (bits == 24)
        format = QImage::Format_RGB32;
    else if (colours == 2 && bits == 1)
        format = QImage::Format_Mono;
    else if (colours > 0)
        format = QImage::Format_Indexed8;
    QImage image(width, height, format);
    if (image.isNull())
        return {};
    if (colours > 0) {
        image.setColorCount(static_cast<int>(colours));
        for (int i = 0; i < static_cast<int>(colours); ++i) {
            const unsigned char* bgr = in.take(4);
            if (!bgr)
                return {};
            image.setColor(i, qRgb(bgr[2], bgr[1], bgr[0]));
        }
    }

    if (bits == 1 || bits == 8) {
        if (!readRows(in, image, image.bytesPerLine(), height))
            return {};
    } else if (bits == 4) {
        const std::size_t rowBytes = static_cast<std::size_t>((width + 7) / 8 * 4);
        for (int y = height - 1; y >= 0; --y) {
            const unsigned char* row = in.take(rowBytes);
            if (!row)
                return {};
            uchar* out = image.scanLine(y);
            for (int x = 0; x < width; ++x)
                out[x] = x % 2 ? row[x / 2] & 0x0f : row[x / 2] >> 4;
        }
    } else {
        const std::size_t rowBytes = static_cast<std::size_t>((width * bits + 31) / 32 * 4);
        const int step = bits / 8;
        for (int y = height - 1; y >= 0; --y) {
            const unsigned char* row = in.take(rowBytes);
            if (!row)
                return {};
            auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < width; ++x) {
                const unsigned char* p = row + x * step;
                out[x] = bits == 24 ? qRgb(p[2], p[1], p[0]) : qRgba(p[2], p[1], p[0], p[3]);
            }
        }
    }

    // A 32-bit picture carries its own alpha and its mask is not used, as
    // Qt's own reader does not use it; a 24-bit picture's only where Qt's
    // reader applies it.
    const bool masked = !trueColour || (bits == 24 && qtversion::kIconReaderMasksTrueColour);
    if (!masked)
        return std::move(image).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // The mask: a set bit is a transparent pixel.
    QImage mask(width, height, QImage::Format_Mono);
    if (mask.isNull())
        return {};
    mask.setColorCount(2);
    mask.setColor(0, qRgba(255, 255, 255, 255));
    mask.setColor(1, qRgba(0, 0, 0, 255));
    if (!readRows(in, mask, mask.bytesPerLine(), height))
        return {};
    image.setAlphaChannel(mask);
    return trueColour ? std::move(image).convertToFormat(QImage::Format_ARGB32_Premultiplied) : image;
}

} // namespace

QImage cursorPicture(const QByteArray& file)
{
    const auto* data = reinterpret_cast<const unsigned char*>(file.constData());
    const auto size = static_cast<std::size_t>(file.size());
    const auto entry = iconEntry(data, size, 0);
    if (!entry)
        return {};
    if (startsLikePng(data + entry->offset, entry->bytes))
        return readPng(file.mid(static_cast<qsizetype>(entry->offset), static_cast<qsizetype>(entry->bytes)));
    return bitmapPicture(file, *entry);
}

} // namespace orrinvale
