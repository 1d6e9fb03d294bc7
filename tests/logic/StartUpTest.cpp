// The window's load: skin, hand cursor, caption, title and home page, then
// the board; and the pointer rules and Exit.
#include "ApplySkin.h"
#include "CursorFile.h"
#include "Fakes.h"
#include "WindowLoad.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using namespace orrinvale;
using namespace orrinvale::testing;

namespace {

// Keeps what the load asks of the skin engine: "load PATH", "apply HANDLE".
class FakeSkinEngine : public SkinEngine {
public:
    void load(const std::string& path) override { call("load " + path); }
    void applyTo(std::int64_t handle) override { call("apply " + std::to_string(handle)); }
    std::vector<std::string> calls;
    std::string failOn;  // the call's first word

private:
    void call(const std::string& what)
    {
        calls.push_back(what);
        if (what.rfind(failOn + ' ', 0) == 0)
            throw RuntimeError("The skin engine refused the call");
    }
};

struct Load : BoardFixture {
    FakeWindow window;
    FakeSkinEngine engine;
    FixedRandom random;
    RecordingLauncher launcher;
    StartUp startUp{board, window, engine, random, launcher, [] { return 100.0; }, "https://orrinvale.example/"};
    Load()
    {
        app.title.clear();
        folder.write(files::kStateTable, shippedStateTable());
    }
    void run() { loadWindow(startUp); }
};

// A 32 x 32 cursor file: header, one entry with the hot spot, a bitmap.
void put16(std::string& f, int v)
{
    f += static_cast<char>(v & 0xFF);
    f += static_cast<char>((v >> 8) & 0xFF);
}
void put32(std::string& f, std::uint32_t v)
{
    put16(f, static_cast<int>(v & 0xFFFF));
    put16(f, static_cast<int>(v >> 16));
}

// The start of a bitmap's header (little-endian), or of a PNG's (big-endian).
std::string bitmapPicture(std::uint32_t width, std::uint32_t height)
{
    std::string p;
    put32(p, 40);
    put32(p, width);
    put32(p, 2 * height);  // colour and mask rows
    return p + std::string(28, '\0');
}
std::string pngPicture(std::uint32_t width, std::uint32_t height)
{
    std::string p("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16);
    for (const std::uint32_t v : {width, height})
        for (int shift = 24; shift >= 0; shift -= 8)
            p += static_cast<char>((v >> shift) & 0xFF);
    return p + std::string(8, '\0');
}

// A cursor file whose directory lists the pictures (32 x 32 each, by the
// directory), the first with the given hot spot.
std::string cursorFile(int hotX, int hotY, const std::vector<std::string>& pictures = {bitmapPicture(32, 32)})
{
    std::string f;
    put16(f, 0); put16(f, 2); put16(f, static_cast<int>(pictures.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(pictures.size());
    for (const std::string& picture : pictures) {
        f += static_cast<char>(32); f += static_cast<char>(32); f += '\0'; f += '\0';
        put16(f, hotX); put16(f, hotY);
        put32(f, static_cast<std::uint32_t>(picture.size())); put32(f, offset);
        offset += static_cast<std::uint32_t>(picture.size());
    }
    for (const std::string& picture : pictures)
        f += picture;
    return f;
}

} // namespace

TEST(WindowLoad, StartsUpAndDealsTheBoard)
{
    Load l;
    l.run();
    EXPECT_TRUE(l.boxes.shown.empty());
    EXPECT_EQ(l.window.caption, "Orrinvale");
    EXPECT_TRUE(l.window.hasIcon);
    EXPECT_EQ(l.app.title, "Orrinvale");
    EXPECT_TRUE(l.engine.calls.empty());
    EXPECT_TRUE(l.window.mouseIcon.empty());
    EXPECT_TRUE(l.launcher.opened.empty());
    EXPECT_EQ(l.board.panelName(0).caption, "Alabama");
}

TEST(WindowLoad, HomePageOpensOnDrawSevenAndAFailingLaunchIsReportedAt108)
{
    Load l;
    l.random.draw = 0.065;
    l.launcher.fail = true;
    l.run();
    EXPECT_EQ(l.launcher.opened.size(), 1u);
    EXPECT_EQ(l.boxes.reportedLines(), std::vector<int>{108});
    EXPECT_NE(l.boxes.shown[0].text.find("File not found\r\nin Orrinvale2021/08/31.Form1.Form_Load at line 108"),
              std::string::npos);
    EXPECT_EQ(l.board.panelName(49).caption, "Wyoming");
}

TEST(WindowLoad, HandCursorIsReadWithItsHotSpotOrReportedAt104)
{
    {
        Load l;
        l.folder.write(files::kHandCursor, cursorFile(9, 1));
        l.run();
        EXPECT_TRUE(l.boxes.shown.empty());
        EXPECT_EQ(l.window.mouseIcon, (l.folder / files::kHandCursor).string());
        EXPECT_EQ(l.window.hotX, 9);
        EXPECT_EQ(l.window.hotY, 1);
    }
    for (const std::string& bad : {std::string(), std::string("not a cursor at all, just text"),
                                  cursorFile(40, 1), cursorFile(1, 1).substr(0, 30), cursorFile(1, 1, {pngPicture(2100, 2100)}), std::string("folder")}) {
        Load l;
        if (bad == "folder")
            std::filesystem::create_directory(l.folder / files::kHandCursor);
        else
            l.folder.write(files::kHandCursor, bad);
        l.run();
        EXPECT_EQ(l.boxes.reportedLines(), std::vector<int>{104}) << bad.size();
        EXPECT_TRUE(l.window.mouseIcon.empty());
        EXPECT_EQ(l.window.caption, "Orrinvale");
    }
}

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

TEST(ApplySkin, AbsentSkinChangesNothing)
{
    for (const bool folderInItsPlace : {false, true}) {
        Load l;
        if (folderInItsPlace)
            std::filesystem::create_directories(l.folder / files::kSkin);
        applySkin(l.board, l.engine, l.window);
        EXPECT_TRUE(l.engine.calls.empty());
        EXPECT_EQ(l.board.backColor, layout::kWhite);
    }
}

TEST(ApplySkin, PresentSkinRecoloursLoadsTheFileAndAppliesItToTheWindow)
{
    Load l;
    l.folder.write(files::kSkin, "QPushButton { color: navy; }");
    applySkin(l.board, l.engine, l.window);
    EXPECT_EQ(l.board.backColor, layout::kButtonFace);
    EXPECT_EQ(l.engine.calls,
              (std::vector<std::string>{"load " + l.board.programFile(files::kSkin), "apply 4242"}));

    // After the whole load the board is white again.
    Load full;
    full.folder.write(files::kSkin, "QPushButton { color: navy; }");
    full.run();
    EXPECT_EQ(full.board.backColor, layout::kWhite);
}

TEST(ApplySkin, EngineErrorIsReportedAt100AndStartUpGoesOn)
{
    Load l;
    l.folder.write(files::kSkin, "QPushButton { color: navy; }");
    l.engine.failOn = "load";
    l.run();
    EXPECT_EQ(l.boxes.reportedLines(), std::vector<int>{100});
    EXPECT_EQ(l.engine.calls.size(), 1u);  // the routine ended at the failing call
    EXPECT_EQ(l.board.backColor, layout::kWhite);
    EXPECT_EQ(l.window.caption, "Orrinvale");
}

TEST(SkinFramework, LoadsStyleSheetsAndRejectsWhatItCannotRead)
{
    TempFolder folder;
    std::int64_t appliedTo = 0;
    std::string appliedSheet;
    SkinFramework engine([&](std::int64_t h, const std::string& s) { appliedTo = h; appliedSheet = s; });
    EXPECT_THROW(engine.applyTo(7), RuntimeError);  // nothing loaded yet

    folder.write("good.cjs", "QPushButton { color: navy; }");
    engine.load((folder / "good.cjs").string());
    engine.applyTo(7);
    EXPECT_EQ(appliedTo, 7);
    EXPECT_EQ(appliedSheet, "QPushButton { color: navy; }");

    // A skin that would relabel a button loads nothing.
    folder.write("hostile.cjs", "#PushButton1 { qproperty-text: \"Quit?\"; }");
    try {
        engine.load((folder / "hostile.cjs").string());
        ADD_FAILURE() << "a hostile skin was loaded";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(std::string(e.what()), "The skin file " + (folder / "hostile.cjs").string() +
                                             " cannot be used: line 1: qproperty-text changes more than the look "
                                             "of the window");
    }
    EXPECT_THROW(engine.applyTo(7), RuntimeError);

    folder.write("empty.cjs", "");
    folder.write("binary.cjs", std::string("\xff\xfe\0\x01", 4));
    std::filesystem::create_directory(folder / "dir.cjs");
    for (const char* bad : {"empty.cjs", "binary.cjs", "dir.cjs", "missing.cjs"}) {
        try {
            engine.load((folder / bad).string());
            ADD_FAILURE() << bad << " was loaded";
        } catch (const RuntimeError& e) {
            EXPECT_NE(std::string(e.what()).find("cannot be read"), std::string::npos) << e.what();
        }
    }
}

TEST(Pointer, HandOverButtonsArrowOnTheMarginBusyLeftAlone)
{
    BoardFixture f;
    f.setUp(shippedStateTable());
    f.board.pointerOverExit();
    EXPECT_EQ(f.board.mousePointer, kCustomPointer);
    EXPECT_FALSE(f.board.isBareArea({3000, 7100}));  // a name: no pointer event of the window
    EXPECT_EQ(f.board.mousePointer, kCustomPointer);
    EXPECT_TRUE(f.board.isBareArea({30, 3000}));     // left margin
    EXPECT_TRUE(f.board.isBareArea({5000, 9340}));   // strip below the banner
    EXPECT_FALSE(f.board.isBareArea({5000, 3000}));  // the map
    f.board.pointerOverWindow();
    EXPECT_EQ(f.board.mousePointer, kDefaultPointer);
    f.board.pointerOverRestart();
    EXPECT_EQ(f.board.mousePointer, kCustomPointer);

    f.board.mousePointer = kBusyPointer;
    f.board.pointerOverWindow();
    f.board.pointerOverRestart();
    f.board.pointerOverExit();
    EXPECT_EQ(f.board.mousePointer, kBusyPointer);
}
