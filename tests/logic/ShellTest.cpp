// The shared routines: the file test, the application title and the home page.
#include "CommandLine.h"
#include "Fakes.h"
#include "SharedRoutines.h"
#include "SessionPlatform.h"

#include <cstdio>
#include <map>

#include <sys/wait.h>

#include <gtest/gtest.h>

using namespace orrinvale;
using namespace orrinvale::testing;

TEST(fileExists, FilesAndFoldersYesEverythingElseNo)
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

TEST(fileExists, WildcardsCountOnlyInTheLastComponent)
{
    // Linux allows a folder named with a wildcard; its files still exist.
    TempFolder folder;
    folder.write("we?ird*/HAND-M.CUR", "x");
    EXPECT_TRUE(fileExists((folder / "we?ird*" / "HAND-M.CUR").string()));
    EXPECT_FALSE(fileExists((folder / "we?ird*").string()));  // a name with a wildcard
    EXPECT_FALSE(fileExists((folder / "we?ird*" / "HAND-M.CU?").string()));
    EXPECT_FALSE(fileExists((folder / "we?ird*" / "*").string()));
}

TEST(shortenAppTitle, CutsWholeWordsFromTheEndAtLeastOnce)
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

TEST(maybeOpenHomePage, OpensOnlyWhenTheDrawIsSeven)
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

TEST(maybeOpenHomePage, AboutOneStartInAHundred)
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

TEST(SessionPlatform, XWaylandWhereTheCompositorWouldNotDrawTheTitleBar)
{
    struct Case {
        std::map<std::string, std::string> env;
        bool decorates;
        const char* platform;
    };
    const std::map<std::string, std::string> gnome{
        {"WAYLAND_DISPLAY", "wayland-0"}, {"XDG_SESSION_TYPE", "wayland"}, {"DISPLAY", ":0"}};
    auto with = [](std::map<std::string, std::string> env, const std::string& name, const std::string& value) {
        env[name] = value;
        return env;
    };
    const std::vector<Case> cases{
        {gnome, false, "xcb"},                                     // GNOME, Weston: through XWayland
        {gnome, true, ""},                                         // KDE Plasma: native Wayland
        {with(gnome, "QT_QPA_PLATFORM", "wayland"), false, ""},    // the user's choice wins
        {with(gnome, "DISPLAY", ""), false, ""},                   // no XWayland: Wayland it is
        {with(gnome, "WAYLAND_DISPLAY", ""), false, "xcb"},        // the session type alone
        {{{"DISPLAY", ":0"}, {"XDG_SESSION_TYPE", "x11"}}, false, ""},  // X11
        {{}, false, ""},
    };
    for (const Case& c : cases) {
        int asked = 0;
        const SessionFacts facts{[&](const char* name) {
                                     const auto it = c.env.find(name);
                                     return it == c.env.end() ? std::string() : it->second;
                                 },
                                 [&] {
                                     ++asked;
                                     return c.decorates;
                                 }};
        EXPECT_EQ(chooseQtPlatform(facts), c.platform);
        // The compositor is asked only in a Wayland session with XWayland.
        EXPECT_LE(asked, 1);
    }
}

TEST(CommandLine, IsReadWholeQtsOptionsForQtAMisspeltOneRefusedWithTheUsage)
{
    const CommandLine chosen = readCommandLine({"--practice", "--forget", "--click-to-place", "--help"});
    EXPECT_TRUE(chosen.practice && chosen.forget && chosen.clickToPlace && chosen.help && chosen.error.empty());
    const CommandLine qt = readCommandLine({"-platform", "offscreen", "--reverse", "-style=fusion", "--practice"});
    EXPECT_EQ(qt.toolkit, (std::vector<std::string>{"-platform", "offscreen", "--reverse", "-style=fusion"}));
    EXPECT_EQ(qt.platform, "offscreen");
    EXPECT_TRUE(qt.practice && qt.error.empty());

    struct Refused {
        std::vector<std::string> args;
        std::string said;
    };
    for (const Refused& r : std::vector<Refused>{{{"--forget", "--click-to-plac", "--practice"}, "unknown option '--click-to-plac'"},
                                                 {{"--forget", "stray"}, "unknown argument 'stray'"},
                                                 {{"--practice", "-platform"}, "option '-platform' needs a value"}}) {
        const CommandLine line = readCommandLine(r.args);
        EXPECT_EQ(line.error, "orrinvale: " + r.said + "\n" + kUsage + "\n");
    }
}

TEST(CommandLine, WithoutADisplayTheProgramSaysSoAndARefusedLineChangesNothing)
{
    TempFolder state;
    struct Row {
        std::string args;
        int status;
        std::string said;  // the first line on standard error
        bool kept;         // the progress file is still there
    };
    const std::string noDisplay = kNoDisplay;
    for (const Row& row : std::vector<Row>{{"--forget --click-to-plac --practice", 2, "orrinvale: unknown option '--click-to-plac'", true},
                                           {"--forget --bogus", 2, "orrinvale: unknown option '--bogus'", true},
                                           {"--forget --practice", 1, noDisplay, true},
                                           {"", 1, noDisplay, true},
                                           {"-platform xcb", 1, noDisplay, true},
                                           {"--forget", 0, "", false}}) {
        state.write("orrinvale/progress", "orrinvale-progress 1\n");
        const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_STATE_HOME=" + state.str() +
                                    " " ORRINVALE_PROGRAM " " + row.args + " 2>&1 >/dev/null";
        FILE* run = ::popen(command.c_str(), "r");
        ASSERT_TRUE(run);
        char said[512] = "";
        if (!std::fgets(said, sizeof said, run))
            said[0] = '\0';
        while (std::fgetc(run) != EOF) {
        }
        const int status = ::pclose(run);
        EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, row.status) << row.args << ": " << said;
        EXPECT_EQ(std::string(said).substr(0, std::string(said).find('\n')), row.said) << row.args;
        EXPECT_EQ(std::filesystem::exists(state / "orrinvale/progress"), row.kept) << row.args;
    }
}

TEST(SessionPlatform, ADisplayIsNeededUnlessThePlatformNamedNeedsNone)
{
    struct Row {
        std::map<std::string, std::string> env;
        std::string named;
        bool reachable;
    };
    for (const Row& r : std::vector<Row>{{{}, "", false},
                                         {{{"DISPLAY", ":0"}}, "", true},
                                         {{{"WAYLAND_DISPLAY", "wayland-0"}}, "", true},
                                         {{{"QT_QPA_PLATFORM", "offscreen"}}, "", true},
                                         {{{"QT_QPA_PLATFORM", "xcb"}}, "", false},
                                         {{{"QT_QPA_PLATFORM", "wayland;xcb"}, {"DISPLAY", ":0"}}, "", true},
                                         {{{"QT_QPA_PLATFORM", "offscreen"}}, "xcb", false},
                                         {{}, "vnc:size=800x600", true}}) {
        const SessionFacts facts{[&](const char* name) {
                                     const auto it = r.env.find(name);
                                     return it == r.env.end() ? std::string() : it->second;
                                 },
                                 [] { return false; }};
        EXPECT_EQ(displayReachable(facts, r.named), r.reachable) << r.named;
    }
}
