#include "PlayMarks.h"

#include "QtLayout.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>

#include <algorithm>

namespace orrinvale {

void paintFocusRing(QPainter& p, const QRect& box)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    QPainterPath ring;
    ring.setFillRule(Qt::OddEvenFill);
    const int b = kFocusBand;
    ring.addRect(QRectF(box).adjusted(-2 * b, -2 * b, 2 * b, 2 * b));
    ring.addRect(QRectF(box).adjusted(-b, -b, b, b));
    p.setBrush(Qt::white);
    p.drawPath(ring);
    QPainterPath inner;
    inner.setFillRule(Qt::OddEvenFill);
    inner.addRect(QRectF(box).adjusted(-b, -b, b, b));
    inner.addRect(QRectF(box));
    p.setBrush(Qt::black);
    p.drawPath(inner);
    p.restore();
}

void paintFocusRing(QPainter& p, const QPainterPath& outline)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    QPen pen(Qt::white, 4 * kFocusBand, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    p.setPen(pen);
    p.drawPath(outline);
    pen.setColor(Qt::black);
    pen.setWidth(2 * kFocusBand);
    p.setPen(pen);
    p.drawPath(outline);
    p.restore();
}

void paintFocusedName(QPainter& p, const QRect& box, const QString& caption)
{
    p.save();
    const QFont font = pixelFont("Arial", layout::kNameFontPx, true);
    const QFontMetrics metrics(font);
    const int width = std::min(metrics.horizontalAdvance(caption), box.width());
    // From just above the capitals to below the descenders: the names
    // overlap their neighbours' boxes, not their neighbours' letters.
    const int top = box.top() + std::max(0, metrics.ascent() - metrics.capHeight() - 1);
    p.fillRect(QRect(box.left() - kFocusBand, top, width + 2 * kFocusBand, box.top() + metrics.height() - top),
               Qt::white);
    p.setClipRect(box);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption);
    p.restore();
}

void paintDraggedOutline(QPainter& p, const QRect& box)
{
    QPen pen(Qt::black, 1, Qt::DotLine);
    pen.setCosmetic(true);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(box.adjusted(0, 0, -1, -1));
}

QPixmap pushPinPicture()
{
    return QPixmap(QStringLiteral(":/pushpin.ico"));
}

} // namespace orrinvale
