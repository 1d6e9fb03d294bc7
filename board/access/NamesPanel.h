// The names of the panel as a focus stop: arrows, Home, End and letters
// choose a name, Space or Enter picks it up.
#pragma once

#include "PlayStop.h"

namespace orrinvale {

class NamesPanel : public PlayStop {
    Q_OBJECT
public:
    NamesPanel(QWidget* window, KeyboardPlay& play);

    int currentItem() const override { return play().currentName(); }
    // Accessible children are the unplaced names, in panel order.
    int childOfItem(int name) const override;
    int itemOfChild(int child) const override;
    int childCount() const override;
    QRect itemBox(int name) const override;

protected:
    void paintMarks(QPainter& p) override;
    Reaction key(PlayKey key) override { return play().namesKey(key); }
    Reaction letter(char c) override { return play().namesLetter(c); }
    Reaction activateItem(int name) override { return play().pickUp(name); }
};

} // namespace orrinvale
