#include "SessionPlatform.h"

#include <algorithm>

namespace orrinvale {

std::string chooseQtPlatform(const SessionFacts& session)
{
    if (!session.environment("QT_QPA_PLATFORM").empty())
        return {};
    const bool wayland =
        !session.environment("WAYLAND_DISPLAY").empty() || session.environment("XDG_SESSION_TYPE") == "wayland";
    if (!wayland || session.environment("DISPLAY").empty())
        return {};
    return session.compositorDecorates() ? std::string() : std::string("xcb");
}

bool displayReachable(const SessionFacts& session, const std::string& named)
{
    const std::string platforms = named.empty() ? session.environment("QT_QPA_PLATFORM") : named;
    const bool x11 = !session.environment("DISPLAY").empty();
    const bool wayland = !session.environment("WAYLAND_DISPLAY").empty();
    if (platforms.empty())
        return x11 || wayland;
    // "wayland;xcb" names fallbacks; ":options" follow a name.
    for (std::size_t start = 0; start <= platforms.size();) {
        const std::size_t end = std::min(platforms.find(';', start), platforms.size());
        const std::string entry = platforms.substr(start, end - start);
        const std::string name = entry.substr(0, entry.find(':'));
        if (name == "xcb" ? x11 : name.rfind("wayland", 0) == 0 ? wayland : !name.empty())
            return true;
        start = end + 1;
    }
    return false;
}

} // namespace orrinvale
