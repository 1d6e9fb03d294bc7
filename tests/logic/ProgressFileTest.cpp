// The progress file: kept whole under the state folder, whatever cannot be
// read or written said once, never a half-written file.
#include "Fakes.h"
#include "ProgressFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace orrinvale;
using namespace orrinvale::testing;

namespace {

struct ProgressFolder {
    TempFolder folder;
    std::ostringstream said;
    std::string path = folder.str() + "/state/orrinvale/progress";
};

} // namespace

TEST(ProgressFile, KeptWholeInTheStateFolderReadBackAndForgotten)
{
    ProgressFolder f;
    EXPECT_EQ(progressFilePath([](const char* v) { return std::string(v) == "HOME" ? "/home/ann" : ""; }),
              "/home/ann/.local/state/orrinvale/progress");
    EXPECT_EQ(progressFilePath([](const char* v) { return std::string(v) == "HOME" ? "/home/ann" : "/st"; }),
              "/st/orrinvale/progress");
    // Each continent keeps its own file; the states' stays where it was.
    EXPECT_EQ(progressFilePath([](const char* v) { return std::string(v) == "HOME" ? "/home/ann" : "/st"; }, "europe"),
              "/st/orrinvale/progress-europe");

    ProgressFile file(f.path, f.said);
    EXPECT_FALSE(file.load());
    file.save("one\n");
    file.save("two\n");
    EXPECT_EQ(file.load(), "two\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(f.folder.str() + "/state/orrinvale"), {}), 1);
    struct stat st{};
    ASSERT_EQ(::stat(f.path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_TRUE(file.forget());
    EXPECT_FALSE(std::filesystem::exists(f.path));
    EXPECT_EQ(f.said.str(), "");
}

TEST(ProgressFile, WhatCannotBeReadOrWrittenIsSaidOnceAndNeverOverwritten)
{
    {  // a folder that is a file: nothing can be saved; said once
        ProgressFolder f;
        f.folder.write("state", "not a folder");
        ProgressFile file(f.path, f.said);
        file.save("one\n");
        file.save("two\n");
        EXPECT_EQ(f.said.str(), "orrinvale: cannot save practice progress to " + f.path +
                                    " (Not a directory): practising without saving\n");
    }
    {  // a FIFO in its place is neither waited on nor replaced
        ProgressFolder f;
        std::filesystem::create_directories(f.folder.str() + "/state/orrinvale");
        ASSERT_EQ(::mkfifo(f.path.c_str(), 0600), 0);
        ProgressFile file(f.path, f.said);
        EXPECT_FALSE(file.load());
        file.save("one\n");
        EXPECT_TRUE(std::filesystem::is_fifo(f.path));
        EXPECT_NE(f.said.str().find("cannot read practice progress"), std::string::npos);
    }
    {  // a damaged file is moved aside, the new one written
        ProgressFolder f;
        ProgressFile file(f.path, f.said);
        file.save("damaged");
        file.setAside();
        file.save("fresh\n");
        EXPECT_EQ(file.load(), "fresh\n");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(f.folder.str() + "/state/orrinvale"), {}), 2);
        EXPECT_NE(f.said.str().find("was damaged: kept as " + f.path + ".damaged-"), std::string::npos);
    }
}

TEST(ProgressFile, AKillWhileSavingLeavesTheOldFileOrTheNewOneWhole)
{
    ProgressFolder f;
    const std::string before = std::string(30'000, 'a') + "\n", after = std::string(30'000, 'b') + "\n";
    ProgressFile(f.path, f.said).save(before);
    for (int round = 0; round < 20; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            std::ostringstream quiet;
            ProgressFile file(f.path, quiet);
            for (;;) {
                file.save(after);
                file.save(before);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500 + 700 * round));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const auto kept = ProgressFile(f.path, f.said).load();
        ASSERT_TRUE(kept == before || kept == after) << "round " << round << ": " << kept.value_or("none").size();
    }
}
