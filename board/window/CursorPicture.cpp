#include "CursorPicture.h"

#include "IconPictures.h"
#include "PngPicture.h"
#include "QtVersionDifferences.h"

#include <cstring>
#include <optional>

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

// What a bitmap's header and the file's directory say of its picture.
struct BitmapShape {
    int bits = 0;               // per pixel: 1, 4, 8, 24 or 32
    std::uint32_t colours = 0;  // in its colour table; none for 24 and 32 bits
    int width = 0;
    int height = 0;
};

// The shape of a bitmap whose header `in` starts at, or nothing for one Qt's
// reader would not decode.
std::optional<BitmapShape> readShape(Bytes& in, const IconEntry& entry)
{
    const unsigned char* header = in.take(kInfoHeaderSize);
    if (!header)
        return std::nullopt;
    BitmapShape shape;
    const int headerBits = static_cast<int>(littleEndian(header + 14, 2));
    shape.bits = headerBits ? headerBits : entry.bitCount;
    // 16-bit pictures have no colours Qt reads; other depths are no bitmap.
    if (shape.bits != 1 && shape.bits != 4 && shape.bits != 8 && shape.bits != 24 && shape.bits != 32)
        return std::nullopt;
    const std::uint32_t colourCount = littleEndian(header + 32, 4);
    shape.colours = shape.bits >= 24 ? 0 : colourCount ? colourCount : 1u << shape.bits;
    if (shape.colours > 256)
        return std::nullopt;
    // The directory's sides, where it gives them; else the header's.
    shape.width = entry.width ? entry.width : static_cast<int>(littleEndian(header + 4, 4));
    shape.height = entry.height ? entry.height : static_cast<int>(littleEndian(header + 8, 4) / 2);
    if (shape.width <= 0 || shape.height <= 0 || shape.width > kLargestSide || shape.height > kLargestSide)
        return std::nullopt;
    return shape;
}

// An image of the bitmap's sides in the format Qt's reader gives it, with
// the colour table that follows the header read into it; null when the
// table is cut short.
QImage pictureWithColours(Bytes& in, const BitmapShape& shape)
{
    QImage::Format format = QImage::Format_ARGB32;
    if (shape.bits == 24)
        format = QImage::Format_RGB32;
    else if (shape.colours == 2 && shape.bits == 1)
        format = QImage::Format_Mono;
    else if (shape.colours > 0)
        format = QImage::Format_Indexed8;
    QImage image(shape.width, shape.height, format);
    if (image.isNull() || shape.colours == 0)
        return image;
    image.setColorCount(static_cast<int>(shape.colours));
    for (int i = 0; i < static_cast<int>(shape.colours); ++i) {
        const unsigned char* bgr = in.take(4);
        if (!bgr)
            return {};
        image.setColor(i, qRgb(bgr[2], bgr[1], bgr[0]));
    }
    return image;
}

// Two colour indexes a byte, high half first, spread one a byte.
bool readNibbleRows(Bytes& in, QImage& image, int width, int rows)
{
    const std::size_t rowBytes = static_cast<std::size_t>((width + 7) / 8 * 4);
    for (int y = rows - 1; y >= 0; --y) {
        const unsigned char* row = in.take(rowBytes);
        if (!row)
            return false;
        uchar* out = image.scanLine(y);
        for (int x = 0; x < width; ++x)
            out[x] = x % 2 ? row[x / 2] & 0x0f : row[x / 2] >> 4;
    }
    return true;
}

// Blue, green, red and, at 32 bits, alpha.
bool readTrueColourRows(Bytes& in, QImage& image, const BitmapShape& shape)
{
    const std::size_t rowBytes = static_cast<std::size_t>((shape.width * shape.bits + 31) / 32 * 4);
    const int step = shape.bits / 8;
    for (int y = shape.height - 1; y >= 0; --y) {
        const unsigned char* row = in.take(rowBytes);
        if (!row)
            return false;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < shape.width; ++x) {
            const unsigned char* p = row + x * step;
            out[x] = shape.bits == 24 ? qRgb(p[2], p[1], p[0]) : qRgba(p[2], p[1], p[0], p[3]);
        }
    }
    return true;
}

bool readPixels(Bytes& in, QImage& image, const BitmapShape& shape)
{
    if (shape.bits == 1 || shape.bits == 8)
        return readRows(in, image, image.bytesPerLine(), shape.height);
    if (shape.bits == 4)
        return readNibbleRows(in, image, shape.width, shape.height);
    return readTrueColourRows(in, image, shape);
}

// Whether the mask after the pixels is applied, as Qt's own reader does: a
// 32-bit picture carries its own alpha and its mask is not used; a 24-bit
// picture's only by the Qt versions whose reader applies it.
bool usesMask(int bits)
{
    return bits < 24 || (bits == 24 && qtversion::kIconReaderMasksTrueColour);
}

// Reads the mask that follows the pixels into the picture's alpha: a set bit
// is a transparent pixel. False when the mask is cut short.
bool readMask(Bytes& in, QImage& image)
{
    QImage mask(image.width(), image.height(), QImage::Format_Mono);
    if (mask.isNull())
        return false;
    mask.setColorCount(2);
    mask.setColor(0, qRgba(255, 255, 255, 255));
    mask.setColor(1, qRgba(0, 0, 0, 255));
    if (!readRows(in, mask, mask.bytesPerLine(), image.height()))
        return false;
    image.setAlphaChannel(mask);
    return true;
}

// A bitmap picture, in the order of its bytes: the header, the colour
// table, the pixels, the mask.
QImage bitmapPicture(const QByteArray& file, const IconEntry& entry)
{
    Bytes in(file, entry.offset);
    const auto shape = readShape(in, entry);
    if (!shape)
        return {};
    QImage image = pictureWithColours(in, *shape);
    if (image.isNull() || !readPixels(in, image, *shape))
        return {};
    if (usesMask(shape->bits) && !readMask(in, image))
        return {};
    // Pictures of a colour table stay in their own format, as Qt's reader
    // leaves them; true colour ends premultiplied.
    const bool trueColour = shape->bits >= 24;
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
