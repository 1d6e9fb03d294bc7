// A focus ring around a push button that got the focus from the keyboard
// (Tab, Shift+Tab, a shortcut). The ring lies just outside the button, on a
// widget of its own that takes no mouse events; a click on a button leaves it
// looking as it always has.
#pragma once

#include <QPointer>
#include <QWidget>

#include <vector>

namespace orrinvale {

class ButtonFocusFrame : public QWidget {
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
