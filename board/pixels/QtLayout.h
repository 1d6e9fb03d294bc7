// The layout in Qt's terms: twips as pixels (through Twips.h, the one place
// that converts), the layout's fonts in pixel sizes, and its colours.
#pragma once

#include "Layout.h"
#include "Twips.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QPoint>
#include <QRect>
#include <QString>

#include <string>
#include <string_view>

namespace orrinvale {

QRect pixelRect(const RectTw& r);
QPoint pixelPoint(PointTw p);
// The twips point under a position in logical pixels.
PointTw twipsAt(const QPointF& logicalPixels);

// A font of the layout, sized in pixels so that nothing shifts with the
// screen's DPI.
QFont pixelFont(const char* family, int pixels, bool bold);

// A layout colour: blue-green-red, or a system colour taken from the palette.
QColor resolveColour(layout::Colour colour, const QPalette& palette);

// The layout's captions are Latin-1.
QString latin1(std::string_view text);
// The part of a name from the state table that shows (UTF-8).
QString shownCaption(const std::string& caption);

} // namespace orrinvale
