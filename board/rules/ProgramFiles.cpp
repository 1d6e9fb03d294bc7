#include "ProgramFiles.h"

#include <algorithm>
#include <filesystem>

namespace orrinvale {

std::string files::relativePath(const std::string& programPath)
{
    std::string rel = programPath;
    std::replace(rel.begin(), rel.end(), '\\', '/');
    rel.erase(0, rel.find_first_not_of('/'));
    return rel;
}

std::string files::mapTable(const std::string& mapId)
{
    return "\\maps\\" + mapId + ".txt";
}

std::string joinProgramPath(const std::string& folder, const std::string& relative)
{
    std::string rel = files::relativePath(relative);
    std::replace(rel.begin(), rel.end(), '/', static_cast<char>(std::filesystem::path::preferred_separator));
    return folder + static_cast<char>(std::filesystem::path::preferred_separator) + rel;
}

} // namespace orrinvale
