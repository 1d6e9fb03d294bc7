#include "CommandLine.h"

#include "MapCatalogue.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace orrinvale {

namespace {

// The options Qt's application objects take from a command line, with one
// dash or two; those of the first list take the next word as their value.
constexpr std::string_view kToolkitWithValue[] = {
    "-platform", "-platformpluginpath", "-platformtheme", "-plugin", "-qwindowgeometry", "-geometry",
    "-qwindowtitle", "-title", "-qwindowicon", "-icon", "-session", "-display", "-name", "-visual",
    "-style", "-stylesheet"};
constexpr std::string_view kToolkitAlone[] = {"-reverse", "-nograb", "-dograb", "-sync", "-widgetcount",
                                              "-testability"};
constexpr std::string_view kToolkitJoined[] = {"-style=", "-stylesheet=", "-qmljsdebugger="};

template <std::size_t N>
bool listed(const std::string_view (&list)[N], std::string_view word)
{
    return std::find(std::begin(list), std::end(list), word) != std::end(list);
}

bool joinedToolkitOption(std::string_view word)
{
    return std::any_of(std::begin(kToolkitJoined), std::end(kToolkitJoined),
                       [&](std::string_view prefix) { return word.substr(0, prefix.size()) == prefix; });
}

std::string refusal(const std::string& what)
{
    return "orrinvale: " + what + "\n" + kUsage + "\n";
}

// `--map NAME`, `--map=NAME` or `--map` alone, the word after it included
// where it is a name; the count of words read.
std::size_t readMapOption(const std::vector<std::string>& args, std::size_t i, CommandLine& line)
{
    const std::string& arg = args[i];
    std::string name;
    std::size_t used = 1;
    if (arg.rfind("--map=", 0) == 0)
        name = arg.substr(6);
    else if (i + 1 < args.size() && args[i + 1].rfind('-', 0) != 0) {
        name = args[i + 1];
        used = 2;
    } else {
        line.chooseMap = true;
        return used;
    }
    if (!findMap(name))
        line.error = refusal("unknown map '" + name + "': the maps are " + mapNames());
    line.map = name;
    return used;
}

} // namespace

std::string usageWithMaps()
{
    return std::string(kUsage) + "\n  --map NAME  play the map NAME: " + mapNames() +
           "\n  --map       choose a map first\n";
}

CommandLine readCommandLine(const std::vector<std::string>& args)
{
    CommandLine line;
    for (std::size_t i = 0; i < args.size() && line.error.empty(); ++i) {
        const std::string& arg = args[i];
        // Qt reads "--platform" as "-platform".
        const std::string_view qtWord = std::string_view(arg).substr(arg.rfind("--", 0) == 0 ? 1 : 0);
        if (arg == "--map" || arg.rfind("--map=", 0) == 0)
            i += readMapOption(args, i, line) - 1;
        else if (arg == "--click-to-place")
            line.clickToPlace = true;
        else if (arg == "--practice")
            line.practice = true;
        else if (arg == "--forget")
            line.forget = true;
        else if (arg == "--help" || arg == "-h")
            line.help = true;
        else if (listed(kToolkitWithValue, qtWord)) {
            if (i + 1 == args.size()) {
                line.error = refusal("option '" + arg + "' needs a value");
                break;
            }
            if (qtWord == "-platform")
                line.platform = args[i + 1];
            line.toolkit.insert(line.toolkit.end(), {arg, args[i + 1]});
            ++i;
        } else if (listed(kToolkitAlone, qtWord) || joinedToolkitOption(qtWord))
            line.toolkit.push_back(arg);
        else  // a misspelt option must not start another way of playing unsaid
            line.error = refusal("unknown " + std::string(arg.rfind('-', 0) == 0 ? "option" : "argument") + " '" +
                                 arg + "'");
    }
    return line;
}

} // namespace orrinvale
