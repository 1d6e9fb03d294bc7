// The hand cursor's picture, decoded from the file's own headers.
#include "CursorPicture.h"
#include "Fakes.h"

#include <QBuffer>
#include <QImageReader>
#include <QTest>
#include <gtest/gtest.h>

using namespace orrinvale;
using namespace orrinvale::testing;

namespace {

// A cursor file of one picture: a bitmap of `bits` per pixel (its colour
// table, rows and mask drawn from `seed`), or the PNG given.
QByteArray cursorFile(int side, int bits, unsigned seed, int colours = 0, const QByteArray& png = {})
{
    QByteArray picture = png;
    if (png.isEmpty()) {
        const std::string noise = randomBytes(1 << 20, seed);
        std::size_t at = 0;
        auto put = [&](std::uint32_t v, int bytes) {
            for (int b = 0; b < bytes; ++b)
                picture.append(char(v >> (8 * b)));
        };
        put(40, 4), put(side, 4), put(side * 2, 4), put(1, 2), put(bits, 2), put(0, 4), put(0, 4);
        put(0, 4), put(0, 4), put(colours, 4), put(0, 4);
        const int tableSize = bits <= 8 ? (colours ? colours : 1 << bits) : 0;
        for (int i = 0; i < tableSize; ++i)
            picture.append(noise.substr(at, 3).c_str(), 3).append('\0'), at += 3;
        const int rowBytes = (side * bits + 31) / 32 * 4, maskBytes = (side + 31) / 32 * 4;
        for (int k = 0; k < side * rowBytes; ++k) {
            char c = noise[at++];
            if (bits <= 8 && tableSize < (1 << bits))  // indices within the table
                c = char((unsigned char)c % tableSize);
            picture.append(c);
        }
        picture.append(noise.substr(at, static_cast<std::size_t>(side * maskBytes)).c_str(), side * maskBytes);
    }
    QByteArray file;
    auto put = [&](std::uint32_t v, int bytes) {
        for (int b = 0; b < bytes; ++b)
            file.append(char(v >> (8 * b)));
    };
    put(0, 2), put(2, 2), put(1, 2);
    put(side < 256 ? side : 0, 1), put(side < 256 ? side : 0, 1), put(0, 2), put(1, 2), put(1, 2);
    put(static_cast<std::uint32_t>(picture.size()), 4), put(22, 4);
    return file + picture;
}

} // namespace

TEST(CursorPicture, IsWhatQtsIconReaderGivesForEveryKindOfPictureACursorHolds)
{
    QFile shipped(ORRINVALE_ASSETS "/HAND-M.CUR");
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    QImage drawn(24, 24, QImage::Format_ARGB32);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x)
            drawn.setPixel(x, y, qRgba(x * 10, y * 10, 128, (x + y) * 5));
    QByteArray png;
    QBuffer pngOut(&png);
    pngOut.open(QIODevice::WriteOnly);
    drawn.save(&pngOut, "PNG");

    const struct {
        const char* what;
        QByteArray file;
    } cursors[] = {
        {"the shipped hand", shipped.readAll()},
        {"1 bit", cursorFile(32, 1, 1)},
        {"1 bit, odd width", cursorFile(19, 1, 2)},
        {"4 bits", cursorFile(32, 4, 3)},
        {"4 bits, odd width", cursorFile(17, 4, 4)},
        {"8 bits", cursorFile(32, 8, 5)},
        {"8 bits, 10 colours", cursorFile(21, 8, 6, 10)},
        {"24 bits", cursorFile(32, 24, 7)},
        {"32 bits", cursorFile(48, 32, 8)},
        {"32 bits, 256 wide", cursorFile(256, 32, 9)},
        {"PNG", cursorFile(24, 32, 0, 0, png)},
    };
    TempFolder folder;
    for (const auto& c : cursors) {
        SCOPED_TRACE(c.what);
        folder.write("c.cur", c.file.toStdString());
        QImageReader plugin(QString::fromStdString((folder / "c.cur").string()), "CUR");
        const QImage theirs = plugin.read();
        const QImage ours = cursorPicture(c.file);
        ASSERT_FALSE(theirs.isNull()) << plugin.errorString().toStdString();
        ASSERT_EQ(ours.size(), theirs.size());
        EXPECT_EQ(ours.convertToFormat(QImage::Format_ARGB32), theirs.convertToFormat(QImage::Format_ARGB32));
    }
    EXPECT_TRUE(cursorPicture(cursorFile(16, 16, 10)).isNull());  // no colours Qt reads either
    EXPECT_TRUE(cursorPicture(cursorFile(32, 32, 11).left(600)).isNull());
}
