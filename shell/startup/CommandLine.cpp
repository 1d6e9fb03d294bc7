#include "CommandLine.h"

namespace orrinvale {

CommandLine readCommandLine(const std::vector<std::string>& args)
{
    CommandLine line;
    for (const std::string& arg : args) {
        if (arg == "--click-to-place")
            line.clickToPlace = true;
        else if (arg == "--practice")
            line.practice = true;
        else if (arg == "--forget")
            line.forget = true;
        else if (arg == "--help" || arg == "-h")
            line.help = true;
        else if (line.error.empty()) {
            // A misspelt option must not start another way of playing unsaid.
            line.error = "orrinvale: unknown " + std::string(arg.rfind('-', 0) == 0 ? "option" : "argument") +
                         " '" + arg + "'\n" + kUsage + "\n";
        }
    }
    return line;
}

} // namespace orrinvale
