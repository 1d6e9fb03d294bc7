// Positions and sizes on the board are kept in twips, the unit the layout is
// drawn up in. This header is the one place where twips become pixels.
#pragma once

namespace orrinvale {

// 15 twips make one logical pixel (1/1440 inch at 96 dots per inch).
inline constexpr int kTwipsPerPixel = 15;

constexpr int toPixels(int twips) { return twips / kTwipsPerPixel; }

struct PointTw {
    int x = 0;
    int y = 0;
};

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
