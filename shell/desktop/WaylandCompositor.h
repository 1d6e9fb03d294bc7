// What the Wayland compositor of this session offers.
#pragma once

namespace orrinvale {

// True when the compositor announces that it draws title bars for its
// clients (the xdg or KDE decoration protocols). False when it does not, or
// when there is no compositor to ask.
bool waylandCompositorDecorates();

} // namespace orrinvale
