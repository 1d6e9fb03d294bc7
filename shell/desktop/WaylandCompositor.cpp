#include "WaylandCompositor.h"

#ifdef ORRINVALE_HAVE_WAYLAND
#include <wayland-client.h>

#include <cstring>
#endif

namespace orrinvale {

#ifdef ORRINVALE_HAVE_WAYLAND

namespace {

void announced(void* data, wl_registry*, uint32_t, const char* interface, uint32_t)
{
    if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0 ||
        std::strcmp(interface, "org_kde_kwin_server_decoration_manager") == 0)
        *static_cast<bool*>(data) = true;
}

void withdrawn(void*, wl_registry*, uint32_t) {}

} // namespace

bool waylandCompositorDecorates()
{
    // A connection of its own, closed again before Qt makes its own: the
    // compositor lists its globals in one round trip.
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return false;
    bool decorates = false;
    wl_registry* registry = wl_display_get_registry(display);
    static const wl_registry_listener listener{announced, withdrawn};
    if (registry) {
        wl_registry_add_listener(registry, &listener, &decorates);
        wl_display_roundtrip(display);
        wl_registry_destroy(registry);
    }
    wl_display_disconnect(display);
    return decorates;
}

#else

bool waylandCompositorDecorates()
{
    return false;
}

#endif

} // namespace orrinvale
