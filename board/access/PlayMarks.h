// The marks keyboard play paints over the board: the focus ring, the dotted
// outline of a held name, and the push-pin on the state a held name would go
// to. The ring has two colours, black inside and white outside, so that one
// of them stands out against whatever lies behind it.
#pragma once

#include <QPainterPath>
#include <QPixmap>
#include <QRect>
#include <QString>

class QPainter;

namespace orrinvale {

// Where the push-pin's tip lies in its 32 x 32 picture.
inline constexpr int kPushPinHotX = 30;
inline constexpr int kPushPinHotY = 30;

// Each of the ring's two bands is this wide, in pixels.
inline constexpr int kFocusBand = 2;

// A ring just outside a box: black, then white further out.
void paintFocusRing(QPainter& p, const QRect& box);
// A ring along an outline, which may be any shape: black on the outline,
// white on either side of the black.
void paintFocusRing(QPainter& p, const QPainterPath& outline);
// A name of the panel with the focus: dark on a light band, the reverse of
// the panel's light names on blue, so the whole name stands out.
void paintFocusedName(QPainter& p, const QRect& box, const QString& caption);
// The dotted frame a dragged name shows.
void paintDraggedOutline(QPainter& p, const QRect& box);
// The push-pin a dragged name shows over another name.
QPixmap pushPinPicture();

} // namespace orrinvale
