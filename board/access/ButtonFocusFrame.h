// A focus ring around a push button that got the focus from the keyboard
// (Tab, Shift+Tab, a shortcut). The ring lies just outside the button, on a
// widget of its own that takes no mouse events; a click on a button leaves it
// looking as it always has. A focus frame is Qt's kind of widget for a mark
// outside another widget's own area: it takes no events and stays out of
// the accessible tree.
#pragma once

#include <QPointer>
#include <QFocusFrame>

#include <vector>

namespace orrinvale {

class ButtonFocusFrame : public QFocusFrame {
    Q_OBJECT
public:
    ButtonFocusFrame(QWidget* window, std::vector<QWidget*> buttons);

    // The button the ring is around now, if any.
    QWidget* ringed() const { return shown_ ? watched_.data() : nullptr; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void ring(QWidget* button);

    QPointer<QWidget> watched_;
    bool shown_ = false;
};

} // namespace orrinvale
