// What a screen reader meets of keyboard play, through Qt's accessibility:
// the names as a list whose items are the unplaced names, the map as a group
// of states each named only once its name is placed, the instructions as
// text. The items are painted, not widgets, so each is an interface of its
// own that asks its stop for what it shows.
#pragma once

namespace orrinvale {

class PlayStop;

// Makes Qt build these interfaces for the access widgets. Safe to call often.
void installAccessibleStops();

// Gives an item of a stop a fresh interface, so that a screen reader meets
// it anew when it is next told as focused (and speaks it whole) though the
// focus never left it.
void renewItem(PlayStop* stop, int item);

} // namespace orrinvale
