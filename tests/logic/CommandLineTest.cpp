// The command line: read whole before anything is done.
#include "CommandLine.h"
#include "Fakes.h"
#include "SessionPlatform.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sys/wait.h>

using namespace orrinvale;
using namespace orrinvale::testing;

TEST(CommandLine, IsReadWholeQtsOptionsForQtAMisspeltOneRefusedWithTheUsage)
{
    const CommandLine chosen = readCommandLine({"--practice", "--forget", "--click-to-place", "--help"});
    EXPECT_TRUE(chosen.practice && chosen.forget && chosen.clickToPlace && chosen.help && chosen.error.empty());
    const CommandLine qt = readCommandLine({"-platform", "offscreen", "--reverse", "-style=fusion", "--practice"});
    EXPECT_EQ(qt.toolkit, (std::vector<std::string>{"-platform", "offscreen", "--reverse", "-style=fusion"}));
    EXPECT_EQ(qt.platform, "offscreen");
    EXPECT_TRUE(qt.practice && qt.error.empty());
    // A map by name, or the chooser where `--map` names none.
    EXPECT_EQ(readCommandLine({}).map, "us-states");
    EXPECT_EQ(readCommandLine({"--map", "south-america", "--practice"}).map, "south-america");
    EXPECT_EQ(readCommandLine({"--map=europe"}).map, "europe");
    const CommandLine chooser = readCommandLine({"--map", "--practice"});
    EXPECT_TRUE(chooser.chooseMap && chooser.practice && chooser.error.empty());

    struct Refused {
        std::vector<std::string> args;
        std::string said;
    };
    for (const Refused& r : std::vector<Refused>{{{"--forget", "--click-to-plac", "--practice"}, "unknown option '--click-to-plac'"},
                                                 {{"--forget", "stray"}, "unknown argument 'stray'"},
                                                 {{"--practice", "-platform"}, "option '-platform' needs a value"},
                                                 {{"--map", "atlantis"}, "unknown map 'atlantis': the maps are us-states, africa, "
                                                                         "asia, europe, north-america, oceania, south-america"}}) {
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
