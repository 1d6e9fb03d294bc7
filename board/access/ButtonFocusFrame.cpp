#include "ButtonFocusFrame.h"

#include "PlayMarks.h"

#include <QFocusEvent>
#include <QPainter>

namespace orrinvale {

ButtonFocusFrame::ButtonFocusFrame(QWidget* window, std::vector<QWidget*> buttons) : QFocusFrame(window)
{
    // It follows the buttons itself rather than through setWidget(), which
    // would draw the style's own frame around every focused button.
    hide();
    for (QWidget* b : buttons)
        b->installEventFilter(this);
}

void ButtonFocusFrame::ring(QWidget* button)
{
    watched_ = button;
    shown_ = button != nullptr;
    if (!shown_) {
        hide();
        return;
    }
    const int width = 2 * kFocusBand;
    setGeometry(button->geometry().adjusted(-width, -width, width, width));
    raise();
    show();
    update();
}

bool ButtonFocusFrame::eventFilter(QObject* watched, QEvent* event)
{
    auto* button = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::FocusIn) {
        switch (static_cast<QFocusEvent*>(event)->reason()) {
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::ShortcutFocusReason:
            ring(button);
            break;
        case Qt::ActiveWindowFocusReason:
        case Qt::PopupFocusReason:
            // Back from another window or a menu: as it was before.
            if (watched_ == button && shown_)
                ring(button);
            break;
        default:
            ring(nullptr);
            break;
        }
    } else if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            ring(nullptr);
        else
            hide();
    }
    return QObject::eventFilter(watched, event);
}

void ButtonFocusFrame::paintEvent(QPaintEvent*)
{
    if (!watched_)
        return;
    QPainter p(this);
    const int width = 2 * kFocusBand;
    paintFocusRing(p, rect().adjusted(width, width, -width, -width));
}

} // namespace orrinvale
