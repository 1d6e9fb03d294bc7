#include "SessionPlatform.h"

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

} // namespace orrinvale
