// Positions and sizes on the board are kept in twips, the unit the layout is
// drawn up in. This header is the one place where twips become pixels.
#pragma once

#include <cmath>

namespace orrinvale {

// 15 twips make one logical pixel (1/1440 inch at 96 dots per inch).
inline constexpr int kTwipsPerPixel = 15;

constexpr int toPixels(int twips) { return twips / kTwipsPerPixel; }
constexpr double toPixelsF(double twips) { return twips / kTwipsPerPixel; }

struct PointTw {
    int x = 0;
    int y = 0;
};

// The twips point under a position in pixels, rounded down. Against boxes
// with whole-twip edges, the rounded point lies inside exactly when the
// position itself does, so hit tests on it are exact.
inline PointTw toTwips(double xPixels, double yPixels)
{
    return {static_cast<int>(std::floor(xPixels * kTwipsPerPixel)),
            static_cast<int>(std::floor(yPixels * kTwipsPerPixel))};
}

// A control's box: Left, Top, Width, Height in twips. A point on the left or
// top edge is inside, one on the right or bottom edge is not.
struct RectTw {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
    constexpr bool contains(PointTw p) const
    {
        return p.x >= left && p.x < right() && p.y >= top && p.y < bottom();
    }
    friend constexpr bool operator==(const RectTw&, const RectTw&) = default;
};

} // namespace orrinvale
