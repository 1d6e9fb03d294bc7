// The hand cursor file: its hot spot and the pictures it may hold.
#include "CursorFile.h"
#include "LoadFixture.h"

#include <gtest/gtest.h>

using namespace orrinvale;
using namespace orrinvale::testing;

TEST(CursorFile, ReadsTheHotSpotFromTheDirectoryEntry)
{
    const std::string ok = cursorFile(5, 30);
    const auto* bytes = reinterpret_cast<const unsigned char*>(ok.data());
    const HotSpot hot = parseCursorHotSpot(bytes, ok.size());
    EXPECT_EQ(hot.x, 5);
    EXPECT_EQ(hot.y, 30);
    // Every truncation is rejected, never read past the end.
    for (std::size_t n = 0; n < ok.size(); ++n)
        EXPECT_THROW(parseCursorHotSpot(bytes, n), RuntimeError) << n;
    std::string icon = ok;
    icon[2] = 1;  // an icon, not a cursor
    EXPECT_THROW(parseCursorHotSpot(reinterpret_cast<const unsigned char*>(icon.data()), icon.size()), RuntimeError);
}

TEST(CursorFile, PicturesLargerThanAPointerAreInvalidWhateverTheDirectorySays)
{
    auto parses = [](const std::string& file) {
        try {
            parseCursorHotSpot(reinterpret_cast<const unsigned char*>(file.data()), file.size());
            return true;
        } catch (const RuntimeError& e) {
            EXPECT_STREQ(e.what(), "Invalid picture");
            return false;
        }
    };
    EXPECT_TRUE(parses(cursorFile(1, 1, {pngPicture(256, 256)})));
    EXPECT_TRUE(parses(cursorFile(1, 1, {bitmapPicture(256, 256), pngPicture(48, 48)})));
    EXPECT_FALSE(parses(cursorFile(1, 1, {pngPicture(2100, 2100)})));
    EXPECT_FALSE(parses(cursorFile(1, 1, {pngPicture(32, 257)})));
    EXPECT_FALSE(parses(cursorFile(1, 1, {bitmapPicture(300, 32)})));
    EXPECT_FALSE(parses(cursorFile(1, 1, {bitmapPicture(32, 32), pngPicture(4096, 16)})));  // any picture
    EXPECT_FALSE(parses(cursorFile(1, 1, {bitmapPicture(0, 32)})));
}
