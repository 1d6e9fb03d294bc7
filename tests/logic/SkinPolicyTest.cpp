// The pictures a skin names: checked before Qt opens any of them, found
// beside the skin, and held to a pixel budget.
#include "Fakes.h"
#include "RuntimeError.h"
#include "SkinFramework.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <map>

using namespace orrinvale;
using namespace orrinvale::testing;

namespace {

// A skin engine whose picture sizes come from a table, by file name.
struct Skin {
    TempFolder folder;
    std::map<std::string, PictureSize> sizes;
    int sized = 0;
    std::string applied;
    SkinFramework engine{[this](std::int64_t, const std::string& sheet) { applied = sheet; },
                         [this](const std::string& path) -> std::optional<PictureSize> {
                             ++sized;
                             const auto found = sizes.find(std::filesystem::path(path).filename().string());
                             if (found == sizes.end())
                                 return std::nullopt;
                             return found->second;
                         }};

    // Loads the sheet as x/o.cjs: what it says when refused, else the sheet applied.
    std::string load(const std::string& sheet)
    {
        folder.write("x/o.cjs", sheet);
        try {
            engine.load((folder / "x/o.cjs").string());
            engine.applyTo(1);
            return applied;
        } catch (const RuntimeError& e) {
            const std::string what = e.what();
            return what.substr(what.find("cannot be used: ") + 16);
        }
    }
};

TEST(SkinPolicy, RelativeNamesAreFoundBesideTheSkinAndWrittenWhole)
{
    Skin skin;
    skin.folder.write("x/pics/button.png", "png");
    skin.folder.write("elsewhere.png", "png");
    skin.sizes = {{"button.png", {117, 27}}, {"elsewhere.png", {10, 10}}};
    const std::string beside = (skin.folder / "x/pics/button.png").string();
    const std::string absolute = (skin.folder / "elsewhere.png").string();
    EXPECT_EQ(skin.load("QPushButton { border-image: url(pics/button.png) 2 2 2 2; }\n"
                        "QPushButton:hover { border-image: url( 'pics/button.png' ); image: url(\"" +
                        absolute + "\"); }"),
              "QPushButton { border-image: url(\"" + beside + "\") 2 2 2 2; }\n"
              "QPushButton:hover { border-image: url(\"" + beside + "\"); image: url(\"" + absolute + "\"); }");
    EXPECT_EQ(skin.sized, 2);  // the same picture is looked at once
}

TEST(SkinPolicy, FilesThatCouldHangOrExhaustTheQuizAreRefusedWithTheirLine)
{
    Skin skin;
    std::filesystem::create_directories(skin.folder / "x/folder.png");
    ASSERT_EQ(mkfifo((skin.folder / "x/fifo.png").c_str(), 0600), 0);
    skin.folder.write("x/empty.png", "");
    skin.folder.write("x/huge.png", std::string((4u << 20) + 1, 'x'));
    skin.folder.write("x/packed.svgz", std::string("\x1F\x8B\x08\x00", 4) + "rest");
    skin.folder.write("x/text.png", "not a picture");
    skin.folder.write("x/wide.png", "png");
    skin.folder.write("x/half1.png", "png");
    skin.folder.write("x/half2.png", "png");
    skin.sizes = {{"wide.png", {5700, 5700}}, {"half1.png", {2000, 2000}}, {"half2.png", {2000, 2000}},
                  {"packed.svgz", {10, 10}}, {"huge.png", {10, 10}}};
    const std::pair<std::string, std::string> refused[] = {
        {"fifo.png", "line 2: the picture fifo.png is not a plain file"},
        {"folder.png", "line 2: the picture folder.png is not a plain file"},
        {"missing.png", "line 2: the picture missing.png is not a plain file"},
        {"/proc/self/status", "line 2: the picture /proc/self/status is empty"},
        {"/dev/null", "line 2: the picture /dev/null is not a plain file"},
        {"empty.png", "line 2: the picture empty.png is empty"},
        {"huge.png", "line 2: the picture huge.png is larger than 4 MiB"},
        {"packed.svgz", "line 2: the picture packed.svgz is compressed"},
        {"text.png", "line 2: the picture text.png is no picture whose size can be read"},
        {"wide.png", "line 2: the picture wide.png has more pixels than a skin may hold"},
    };
    for (const auto& [name, why] : refused) {
        SCOPED_TRACE(name);
        const std::string verdict = skin.load("QLabel { color: red; }\nQPushButton { image: url(" + name + "); }");
        EXPECT_EQ(verdict.substr(0, why.size()), why);
    }
    // The budget is for the whole skin: two pictures that fit alone do not together.
    EXPECT_EQ(skin.load("QPushButton { image: url(half1.png); }").rfind("QPushButton", 0), 0u);
    EXPECT_EQ(skin.load("QPushButton { image: url(half1.png); }\nQLabel { image: url(half2.png); }").substr(0, 44),
              "line 2: the picture half2.png has more pixel");
}

TEST(SkinPolicy, WithoutASizerNoPictureLoads)
{
    TempFolder folder;
    folder.write("x/a.png", "png");
    folder.write("x/o.cjs", "QPushButton { image: url(a.png); }");
    SkinFramework engine([](std::int64_t, const std::string&) {});
    EXPECT_THROW(engine.load((folder / "x/o.cjs").string()),
                 RuntimeError);
}

} // namespace

TEST(SkinPolicy, WhatQtWouldDecodeIsCountedEachNamingEachTwinEachIconPicture)
{
    Skin skin;
    skin.folder.write("x/many.png", "png");
    skin.folder.write("x/pic.png", "png");
    ASSERT_EQ(mkfifo((skin.folder / "x/pic@2x.png").c_str(), 0600), 0);
    skin.sizes = {{"many.png", {1000, 1000}}, {"pic.png", {10, 10}}};
    // A 1 x 1 entry in the directory, a 5700 x 5700 PNG inside it.
    std::string ico("\0\0\1\0\1\0" "\1\1\0\0\1\0\x20\0" "\x20\0\0\0\x16\0\0\0", 22);
    ico += std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\x16\x44\0\0\x16\x44", 24) + std::string(8, '\0');
    skin.folder.write("x/lie.ico", ico);

    std::string sheet;
    for (int rule = 1; rule <= 8; ++rule)
        sheet += "QPushButton:hover { image: url(many.png); }\n";
    EXPECT_EQ(skin.load(sheet).substr(0, 50), "line 8: the picture many.png has more pixels than ");
    EXPECT_EQ(skin.load("QPushButton { image: url(pic.png); }"),
              "line 1: the picture pic.png's twin pic@2x.png is not a plain file");
    EXPECT_EQ(skin.load("QPushButton { image: url(lie.ico); }").substr(0, 49),
              "line 1: the picture lie.ico has more pixels than ");
}
