// The files the quiz reads from its program folder, each as the path the
// program appends to the folder. The build installs the same files from its
// list in cmake/ProgramFiles.cmake, and a test holds the two lists together.
#pragma once

#include <string>

namespace orrinvale {

namespace files {
inline constexpr const char* kStateTable = "\\usa_states.txt";
inline constexpr const char* kHandCursor = "\\HAND-M.CUR";  // optional
inline constexpr const char* kSkin = "\\x\\o.cjs";          // optional

// The sound player: a plugin loaded after the first paint, and the program it
// starts to decode the clips, both in this folder of the program folder.
inline constexpr const char* kPluginFolder = "\\plugins";
inline constexpr const char* kAudioPlugin = "orrinvale_audio";  // without prefix and suffix
inline constexpr const char* kClipDecoder = "orrinvale-decoder";

// A continent's table of names, by its map's name: "\\maps\\africa.txt".
std::string mapTable(const std::string& mapId);

// The same path written relative, with forward slashes: "x/o.cjs".
std::string relativePath(const std::string& programPath);
} // namespace files

// The sound clips, appended to the program folder exactly as written.
namespace clips {
inline constexpr const char* kCorrect = "/sounds/correct.wma";
inline constexpr const char* kWrong = "/sounds/wrong.wma";
inline constexpr const char* kComplete = "/sounds/complete.wma";
} // namespace clips

// Joins the program folder and a relative path written with either separator,
// using the platform's separator.
std::string joinProgramPath(const std::string& folder, const std::string& relative);

} // namespace orrinvale
