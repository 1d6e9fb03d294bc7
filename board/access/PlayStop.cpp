#include "PlayStop.h"

#include "QtVersionDifferences.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

namespace orrinvale {

PlayStop::PlayStop(QWidget* window, KeyboardPlay& play, Stop stop) : QWidget(window), play_(play), stop_(stop)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
}

void PlayStop::setResult(int item, const QString& text, bool inPlace)
{
    resultItem_ = item;
    result_ = text;
    inPlace_ = inPlace;
    resultWaits_ = !inPlace && item >= 0;
}

void PlayStop::instructionsHeard()
{
    if (visited_)
        return;
    visited_ = true;
    // Readers that keep what they were told hear the stop has no
    // instructions now, where Qt tells them the change in a form they read.
    if (qtversion::kTellsChangedDescriptions) {
        QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void PlayStop::keyPressEvent(QKeyEvent* event)
{
    Reaction reaction;
    switch (event->key()) {
    case Qt::Key_Left: reaction = key(PlayKey::Left); break;
    case Qt::Key_Right: reaction = key(PlayKey::Right); break;
    case Qt::Key_Up: reaction = key(PlayKey::Up); break;
    case Qt::Key_Down: reaction = key(PlayKey::Down); break;
    case Qt::Key_Home: reaction = key(PlayKey::Home); break;
    case Qt::Key_End: reaction = key(PlayKey::End); break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: reaction = key(PlayKey::Activate); break;
    case Qt::Key_Escape: reaction = key(PlayKey::Escape); break;
    default: {
        const QString text = event->text();
        if (text.size() == 1 && text.front().isLetter() && text.front().unicode() < 0x80 &&
            !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
            reaction = letter(text.front().toLatin1());
            break;
        }
        QWidget::keyPressEvent(event);  // F1, F6 and the rest go to the window
        return;
    }
    }
    event->accept();
    emit reacted(reaction);
}

void PlayStop::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.translate(-pos());
    paintMarks(p);
}

void PlayStop::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    // A result waiting for the focus is told now; any other was told before
    // and is not news when the focus comes back (Tab, F6, a box closed).
    if (!resultWaits_)
        setResult(-1, {});
    resultWaits_ = false;
    update();
    // Qt tells the stop itself as focused after this handler; the item is
    // told after that, so a screen reader ends on the item, not on the stop.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus())
            emit focusEntered();
    });
}

void PlayStop::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    // A box over the window takes the focus for a while: that is no leaving.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        instructionsHeard();
    update();
}

} // namespace orrinvale
