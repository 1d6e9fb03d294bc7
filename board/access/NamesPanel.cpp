#include "NamesPanel.h"

#include "PlayMarks.h"
#include "QtLayout.h"

#include <QPainter>

namespace orrinvale {

NamesPanel::NamesPanel(QWidget* window, KeyboardPlay& play) : PlayStop(window, play, Stop::Names)
{
    setObjectName(QStringLiteral("StateNames"));
    QRect area;
    for (const RectTw& box : play.board().map().nameBoxes)
        area |= pixelRect(box);
    const int ring = 2 * kFocusBand;
    setGeometry(area.adjusted(-ring, -ring, ring, ring));
}

int NamesPanel::childOfItem(int name) const
{
    if (!play().grid().unplaced(name))
        return -1;
    int child = 0;
    for (int i = 0; i < name; ++i)
        child += play().grid().unplaced(i) ? 1 : 0;
    return child;
}

int NamesPanel::itemOfChild(int child) const
{
    for (int i = 0; i < play().board().map().nameCount(); ++i) {
        if (play().grid().unplaced(i) && child-- == 0)
            return i;
    }
    return -1;
}

int NamesPanel::childCount() const
{
    int count = 0;
    for (int i = 0; i < play().board().map().nameCount(); ++i)
        count += play().grid().unplaced(i) ? 1 : 0;
    return count;
}

QRect NamesPanel::itemBox(int name) const
{
    return pixelRect(play().board().nameBox(name));
}

void NamesPanel::paintMarks(QPainter& p)
{
    const int current = currentItem();
    if (hasFocus() && play().grid().unplaced(current))
        paintFocusedName(p, itemBox(current), shownCaption(play().board().panelName(current).caption));
    if (const auto held = play().held())
        paintDraggedOutline(p, itemBox(*held));
}

} // namespace orrinvale
