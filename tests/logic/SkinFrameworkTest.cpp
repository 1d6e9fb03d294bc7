// The skin engine: a skin file read, checked and applied to the window.
#include "Fakes.h"
#include "SkinFramework.h"

#include <gtest/gtest.h>

using namespace orrinvale;
using namespace orrinvale::testing;

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
