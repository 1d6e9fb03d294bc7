#include "QtLayout.h"

namespace orrinvale {

QRect pixelRect(const RectTw& r)
{
    return {toPixels(r.left), toPixels(r.top), toPixels(r.width), toPixels(r.height)};
}

QPoint pixelPoint(PointTw p)
{
    return {toPixels(p.x), toPixels(p.y)};
}

PointTw twipsAt(const QPointF& px)
{
    return toTwips(px.x(), px.y());
}

QFont pixelFont(const char* family, int pixels, bool bold)
{
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QColor resolveColour(layout::Colour colour, const QPalette& palette)
{
    if (colour & 0x80000000u) {
        switch (colour & 0xFF) {
        case 0x0F: return palette.color(QPalette::Button);      // button face
        case 0x12: return palette.color(QPalette::ButtonText);  // button text
        default: return palette.color(QPalette::WindowText);
        }
    }
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

QString latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString shownCaption(const std::string& caption)
{
    const std::string_view part = layout::shownPart(caption);
    return QString::fromUtf8(part.data(), static_cast<qsizetype>(part.size()));
}

} // namespace orrinvale
