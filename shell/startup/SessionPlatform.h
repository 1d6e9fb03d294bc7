// Which of Qt's window-system platforms the quiz runs on. The window has a
// fixed size and no maximise box. In a Wayland session whose compositor does
// not draw title bars (GNOME's, Weston), Qt draws its own, and Qt's own always
// offers to maximise; through XWayland the window manager draws the title bar
// from the window's hints, as under X11. So the quiz goes through XWayland
// where the session offers it and the compositor would not decorate; where
// the compositor decorates Wayland windows itself (KDE Plasma's), or where no
// XWayland is to be had, it stays a Wayland client. A platform the user names
// in QT_QPA_PLATFORM always wins.
#pragma once

#include <functional>
#include <string>

namespace orrinvale {

struct SessionFacts {
    std::function<std::string(const char* name)> environment;  // "" when unset
    // Asks the Wayland compositor whether it draws title bars for its
    // clients; false when it cannot be asked.
    std::function<bool()> compositorDecorates;
};

// The platform to ask Qt for ("xcb"), or "" for Qt's own choice.
std::string chooseQtPlatform(const SessionFacts& session);

// False where Qt would find no window system to open the window on: no
// X display and no Wayland display, unless the platform named on the
// command line (`named`) or in QT_QPA_PLATFORM needs neither (offscreen, a
// VNC server, a frame buffer). Qt itself would abort there.
bool displayReachable(const SessionFacts& session, const std::string& named);

inline constexpr const char* kNoDisplay =
    "orrinvale: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set): "
    "start it in a desktop session, or over ssh with -X";

} // namespace orrinvale
