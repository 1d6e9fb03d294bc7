// The map as a focus stop: arrows move to the nearest state that way, Space
// or Enter drops the held name on the state with the focus.
#pragma once

#include "PlayStop.h"

#include <QPainterPath>
#include <QPixmap>

namespace orrinvale {

class StateMapView : public PlayStop {
    Q_OBJECT
public:
    StateMapView(QWidget* window, KeyboardPlay& play);

    int currentItem() const override { return play().currentState(); }
    // Accessible children are the states, in their reading order.
    int childOfItem(int state) const override { return state; }
    int itemOfChild(int child) const override { return child; }
    int childCount() const override { return play().map().size(); }
    QRect itemBox(int state) const override;
    // The state's drop regions as one shape, in window pixels.
    QPainterPath outline(int state) const;

protected:
    void paintMarks(QPainter& p) override;
    Reaction key(PlayKey key) override { return play().mapKey(key); }
    Reaction activateItem(int state) override { return play().dropOn(state); }

private:
    QPixmap pushPin_;
};

} // namespace orrinvale
