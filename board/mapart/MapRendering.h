// The map picture from its SVG, and the names of the pictures the build
// renders ahead for the common pixel ratios. Both the window and the build's
// map painter render through here, so a picture made ahead is exactly the
// picture the window would render.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace orrinvale {

// The picture rendered into an image of the given size in device pixels:
// antialiased, on white.
QImage renderMap(const QString& svg, QSize devicePixels);

// The pixel ratios the build renders the map for ahead.
inline constexpr qreal kPrebuiltMapRatios[] = {1.0, 2.0};
// A picture's file name in the resource folder of a map's pictures rendered
// ahead (BoardMap::prebuilt).
QString prebuiltMapName(QSize devicePixels);

} // namespace orrinvale
