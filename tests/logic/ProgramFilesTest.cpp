// The program and the build name the same files of the program folder: the
// build installs what the program reads.
#include "BoardMap.h"
#include "Fakes.h"
#include "MapCatalogue.h"
#include "ProgramFiles.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

using namespace orrinvale;

namespace {

std::set<std::string> buildList()
{
    std::set<std::string> list;
    std::stringstream in(ORRINVALE_PROGRAM_FILES);
    for (std::string file; std::getline(in, file, ',');)
        list.insert(file);
    return list;
}

} // namespace

TEST(ProgramFiles, TheBuildShipsExactlyTheFilesTheProgramReads)
{
    std::set<std::string> program{files::relativePath(files::kStateTable), files::relativePath(files::kHandCursor),
                                  files::relativePath(clips::kCorrect), files::relativePath(clips::kWrong),
                                  files::relativePath(clips::kComplete)};
    for (const MapEntry& map : kMaps) {
        if (map.id != statesMap().id)
            program.insert(files::relativePath(files::mapTable(std::string(map.id))));
    }
    EXPECT_EQ(program, buildList());
    // The optional skin is the player's to add, never shipped.
    EXPECT_EQ(buildList().count(files::relativePath(files::kSkin)), 0u);
    EXPECT_EQ(files::relativePath(files::kPluginFolder), ORRINVALE_PLUGIN_FOLDER);
    EXPECT_EQ(std::string(files::kAudioPlugin), ORRINVALE_AUDIO_PLUGIN);
    EXPECT_EQ(std::string(files::kClipDecoder), ORRINVALE_CLIP_DECODER);
}

TEST(ProgramFiles, PathsJoinTheFolderWithThePlatformsSeparator)
{
    EXPECT_EQ(files::relativePath(files::kSkin), "x/o.cjs");
    EXPECT_EQ(files::relativePath(clips::kCorrect), "sounds/correct.wma");
    EXPECT_EQ(joinProgramPath("/opt/quiz", files::kSkin), "/opt/quiz/x/o.cjs");
    EXPECT_EQ(joinProgramPath("/opt/quiz", clips::kWrong), "/opt/quiz/sounds/wrong.wma");
}
