#include "StateMapView.h"

#include "PlayMarks.h"
#include "QtLayout.h"

#include <QPainter>
#include <QRegion>

namespace orrinvale {

StateMapView::StateMapView(QWidget* window, KeyboardPlay& play) : PlayStop(window, play, Stop::Map)
{
    setObjectName(QStringLiteral("StateMap"));
    QRect area;
    for (int s = 0; s < play.map().size(); ++s)
        area |= itemBox(s);
    const int ring = 2 * kFocusBand;
    setGeometry(area.adjusted(-ring, -ring, ring, ring));
}

QRect StateMapView::itemBox(int state) const
{
    if (state < 0 || state >= play().map().size())
        return {};
    return pixelRect(play().map().state(state).bounds);
}

QPainterPath StateMapView::outline(int state) const
{
    QPainterPath shape;
    if (state < 0 || state >= play().map().size())
        return shape;
    // The regions as one area first: a country may be hundreds of them, and
    // a region's union is quick where a path's is not.
    const Board& board = play().board();
    QRegion area;
    for (const int region : play().map().state(state).regions)
        area += pixelRect(board.regions().at(region).box);
    shape.addRegion(area);
    return shape.simplified();
}

void StateMapView::paintMarks(QPainter& p)
{
    const int state = currentItem();
    if (state < 0)
        return;
    if (hasFocus())
        paintFocusRing(p, outline(state));
    if (play().held()) {
        if (pushPin_.isNull())
            pushPin_ = pushPinPicture();
        const QPoint tip = pixelPoint(play().map().state(state).anchor);
        p.drawPixmap(tip - QPoint(kPushPinHotX, kPushPinHotY), pushPin_);
    }
}

} // namespace orrinvale
