#include "PlayStop.h"

#include <QKeyEvent>
#include <QPainter>

namespace orrinvale {

PlayStop::PlayStop(QWidget* window, KeyboardPlay& play, Stop stop) : QWidget(window), play_(play), stop_(stop)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
}

void PlayStop::setResult(int item, const QString& text)
{
    resultItem_ = item;
    result_ = text;
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
    update();
    emit focusEntered();
}

void PlayStop::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

} // namespace orrinvale
