#include "MapCatalogue.h"

namespace orrinvale {

const MapEntry* findMap(std::string_view id)
{
    for (const MapEntry& entry : kMaps) {
        if (entry.id == id)
            return &entry;
    }
    return nullptr;
}

std::string mapNames()
{
    std::string list;
    for (const MapEntry& entry : kMaps)
        list += (list.empty() ? "" : ", ") + std::string(entry.id);
    return list;
}

} // namespace orrinvale
