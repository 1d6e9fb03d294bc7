// The shared routines: the file test, the application title and the home page.
#include "Fakes.h"
#include "SharedRoutines.h"

#include <gtest/gtest.h>

using namespace orrinvale;
using namespace orrinvale::testing;

TEST(FileExists, FilesAndFoldersYesEverythingElseNo)
{
    TempFolder folder;
    folder.write("HAND-M.CUR", "x");
    EXPECT_TRUE(fileExists((folder / "HAND-M.CUR").string()));
    EXPECT_TRUE(fileExists(folder.str()));
    EXPECT_FALSE(fileExists(folder.str() + "/"));
    EXPECT_FALSE(fileExists(folder.str() + "\\"));
    EXPECT_FALSE(fileExists(""));
    EXPECT_FALSE(fileExists((folder / "*.CUR").string()));
    EXPECT_FALSE(fileExists((folder / "HAND-M.CU?").string()));
    EXPECT_FALSE(fileExists((folder / "missing").string()));
    EXPECT_FALSE(fileExists(std::string("bad\0path", 8)));
}

TEST(FileExists, WildcardsCountOnlyInTheLastComponent)
{
    // Linux allows a folder named with a wildcard; its files still exist.
    TempFolder folder;
    folder.write("we?ird*/HAND-M.CUR", "x");
    EXPECT_TRUE(fileExists((folder / "we?ird*" / "HAND-M.CUR").string()));
    EXPECT_FALSE(fileExists((folder / "we?ird*").string()));  // a name with a wildcard
    EXPECT_FALSE(fileExists((folder / "we?ird*" / "HAND-M.CU?").string()));
    EXPECT_FALSE(fileExists((folder / "we?ird*" / "*").string()));
}

TEST(AppTitle, CutsWholeWordsFromTheEndAtLeastOnce)
{
    EXPECT_EQ(shortenAppTitle("Orrinvale"), "Orrinvale");
    EXPECT_EQ(shortenAppTitle("Orrinvale"), shortenAppTitle());
    EXPECT_EQ(shortenAppTitle("The Fifty States Quiz"), "The Fifty States");  // 21 characters, one cut
    const std::string fifty = "Orrinvale United States Map Geography Quiz Edition";
    ASSERT_EQ(fifty.size(), 50u);
    EXPECT_EQ(shortenAppTitle(fifty), "Orrinvale United States Map Geography");
    EXPECT_EQ(shortenAppTitle("A " + std::string(45, 'x')), "A");
    EXPECT_EQ(shortenAppTitle(std::string(45, 'x')), std::string(45, 'x'));
}

TEST(HomePage, OpensOnlyWhenTheDrawIsSeven)
{
    for (int n = 1; n <= 100; ++n) {
        FixedRandom random((n - 1) / 100.0 + 0.005);
        RecordingLauncher launcher;
        maybeOpenHomePage(random, 1234.5, launcher, "https://orrinvale.example/");
        EXPECT_EQ(random.seeded, 1234.5);
        EXPECT_EQ(launcher.opened.size(), n == 7 ? 1u : 0u) << n;
    }
    FixedRandom seven(0.0699999);
    RecordingLauncher failing;
    failing.fail = true;
    EXPECT_THROW(maybeOpenHomePage(seven, 0, failing, "https://orrinvale.example/"), RuntimeError);
}

TEST(HomePage, AboutOneStartInAHundred)
{
    SeededRandom random;
    RecordingLauncher launcher;
    constexpr int kStarts = 100000;
    for (int k = 0; k < kStarts; ++k)
        maybeOpenHomePage(random, k * 86400.0 / kStarts, launcher, "x");
    const double share = static_cast<double>(launcher.opened.size()) / kStarts;
    EXPECT_GT(share, 0.009);
    EXPECT_LT(share, 0.011);
}
