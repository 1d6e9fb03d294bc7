// Which window system the quiz asks Qt for, and whether there is one.
#include "SessionPlatform.h"

#include <gtest/gtest.h>

#include <map>

using namespace orrinvale;

TEST(SessionPlatform, XWaylandWhereTheCompositorWouldNotDrawTheTitleBar)
{
    struct Case {
        std::map<std::string, std::string> env;
        bool decorates;
        const char* platform;
    };
    const std::map<std::string, std::string> gnome{
        {"WAYLAND_DISPLAY", "wayland-0"}, {"XDG_SESSION_TYPE", "wayland"}, {"DISPLAY", ":0"}};
    auto with = [](std::map<std::string, std::string> env, const std::string& name, const std::string& value) {
        env[name] = value;
        return env;
    };
    const std::vector<Case> cases{
        {gnome, false, "xcb"},                                     // GNOME, Weston: through XWayland
        {gnome, true, ""},                                         // KDE Plasma: native Wayland
        {with(gnome, "QT_QPA_PLATFORM", "wayland"), false, ""},    // the user's choice wins
        {with(gnome, "DISPLAY", ""), false, ""},                   // no XWayland: Wayland it is
        {with(gnome, "WAYLAND_DISPLAY", ""), false, "xcb"},        // the session type alone
        {{{"DISPLAY", ":0"}, {"XDG_SESSION_TYPE", "x11"}}, false, ""},  // X11
        {{}, false, ""},
    };
    for (const Case& c : cases) {
        int asked = 0;
        const SessionFacts facts{[&](const char* name) {
                                     const auto it = c.env.find(name);
                                     return it == c.env.end() ? std::string() : it->second;
                                 },
                                 [&] {
                                     ++asked;
                                     return c.decorates;
                                 }};
        EXPECT_EQ(chooseQtPlatform(facts), c.platform);
        // The compositor is asked only in a Wayland session with XWayland.
        EXPECT_LE(asked, 1);
    }
}

TEST(SessionPlatform, ADisplayIsNeededUnlessThePlatformNamedNeedsNone)
{
    struct Row {
        std::map<std::string, std::string> env;
        std::string named;
        bool reachable;
    };
    for (const Row& r : std::vector<Row>{{{}, "", false},
                                         {{{"DISPLAY", ":0"}}, "", true},
                                         {{{"WAYLAND_DISPLAY", "wayland-0"}}, "", true},
                                         {{{"QT_QPA_PLATFORM", "offscreen"}}, "", true},
                                         {{{"QT_QPA_PLATFORM", "xcb"}}, "", false},
                                         {{{"QT_QPA_PLATFORM", "wayland;xcb"}, {"DISPLAY", ":0"}}, "", true},
                                         {{{"QT_QPA_PLATFORM", "offscreen"}}, "xcb", false},
                                         {{}, "vnc:size=800x600", true}}) {
        const SessionFacts facts{[&](const char* name) {
                                     const auto it = r.env.find(name);
                                     return it == r.env.end() ? std::string() : it->second;
                                 },
                                 [] { return false; }};
        EXPECT_EQ(displayReachable(facts, r.named), r.reachable) << r.named;
    }
}
