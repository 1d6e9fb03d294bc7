// What differs between the two Qt versions the quiz is built with, Qt 6.4
// (Debian 12) and Qt 6.8 (Debian 13), in one place. The access widgets and
// the window ask here instead of testing QT_VERSION themselves. Each
// difference ends at Qt 6.8: once Qt 6.4 is no longer built for, its
// constant is always true, and the older branch at each place that reads it
// can go, with the constant.
#pragma once

#include <QtGlobal>

#include <memory>

class QAccessibleEvent;
class QObject;
class QString;

namespace orrinvale::qtversion {

// Announcements: from Qt 6.8 a widget can have a screen reader speak a text
// without the focus moving. Before, a result told where the focus stays is
// carried by the focused item's name, and the item is met anew to be heard.
inline constexpr bool kAnnounces = QT_VERSION >= QT_VERSION_CHECK(6, 8, 0);

// The announcement of `text` for `object`, to be sent as any accessibility
// event; null where Qt has no announcements (before 6.8).
std::unique_ptr<QAccessibleEvent> announcement(QObject* object, const QString& text);

// A changed description: Qt 6.4 sends it to the screen reader with the item
// in place of the text, which readers cannot read; from Qt 6.8 it arrives as
// text, so a reader that keeps what it was told hears the change.
inline constexpr bool kTellsChangedDescriptions = QT_VERSION >= QT_VERSION_CHECK(6, 8, 0);

// A 24-bit picture of an icon or cursor file carries a mask after its
// pixels. Qt 6.8's icon reader applies it (its transparent pixels stay
// transparent); Qt 6.4's ignores it and the picture is opaque. The quiz
// decodes cursors itself, pixel for pixel as Qt's reader would, so it follows.
inline constexpr bool kIconReaderMasksTrueColour = QT_VERSION >= QT_VERSION_CHECK(6, 8, 0);

} // namespace orrinvale::qtversion
