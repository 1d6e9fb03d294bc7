// The picture of a cursor file (.cur), decoded without an image plug-in:
// the file's own directory and bitmap headers are read here, a PNG inside
// goes to the reader built into Qt's GUI library. The picture is the one
// Qt's icon plug-in would give for the file's first image, pixel for pixel,
// so the pointer looks the same; loading the plug-in (and the library
// search behind it) at start-up is what this saves.
#pragma once

#include <QByteArray>
#include <QImage>

namespace orrinvale {

// Null for a file whose first picture cannot be decoded.
QImage cursorPicture(const QByteArray& file);

} // namespace orrinvale
