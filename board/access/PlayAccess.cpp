#include "PlayAccess.h"

#include "AccessibleStops.h"
#include "ButtonFocusFrame.h"
#include "InstructionsText.h"
#include "NamesPanel.h"
#include "PlayTexts.h"
#include "QtVersionDifferences.h"
#include "StateMapView.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QShortcut>

namespace orrinvale {

PlayAccess::PlayAccess(QWidget* window, Board& board, QWidget* focusHolder, QWidget* lastStop,
                       const std::vector<QWidget*>& buttons)
    : QObject(window), window_(window), focusHolder_(focusHolder), play_(std::make_unique<KeyboardPlay>(board, StateMap(board))),
      sink_([](QAccessibleEvent* event) { QAccessible::updateAccessibility(event); })
{
    installAccessibleStops();
    new InstructionsText(window, board.map());
    map_ = new StateMapView(window, *play_);
    names_ = new NamesPanel(window, *play_);
    buttonRing_ = new ButtonFocusFrame(window, buttons);
    for (QWidget* w : {static_cast<QWidget*>(map_), static_cast<QWidget*>(names_)})
        w->show();
    QWidget::setTabOrder(lastStop, names_);
    QWidget::setTabOrder(names_, map_);
    focusHolder->setAccessibleName(QString::fromStdString(inTermsOf(board.map(), texts::kFocusHolderName)));
    focusHolder->installEventFilter(this);

    for (PlayStop* stop : {static_cast<PlayStop*>(names_), static_cast<PlayStop*>(map_)}) {
        connect(stop, &PlayStop::reacted, this, [this, stop](const Reaction& r) { react(stop, r); });
        connect(stop, &PlayStop::focusEntered, this, [this, stop] { tellFocus(stop); });
    }
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), window);
    connect(help, &QShortcut::activated, this, &PlayAccess::showHelp);
    auto* names = new QShortcut(QKeySequence(Qt::Key_F6), window);
    connect(names, &QShortcut::activated, this, &PlayAccess::switchStop);
}

PlayAccess::~PlayAccess()
{
    // The stops show what keyboard play holds: they go before it does.
    delete names_;
    delete map_;
}

bool PlayAccess::pressedAt(PointTw p)
{
    const Reaction reaction = play_->pressedAt(p);
    if (reaction.kind == Reaction::Nothing)
        return false;
    react(map_, reaction);
    return true;
}

void PlayAccess::releasedAt(int source, PointTw p)
{
    const Reaction reaction = play_->releasedAt(source, p);
    boardChanged();
    if (reaction.kind != Reaction::Nothing)
        react(names_, reaction);
}

void PlayAccess::boardChanged()
{
    play_->boardChanged();
    names_->update();
    map_->update();
}

void PlayAccess::showHelp()
{
    // The keys as a two-column table; the box closes with Enter or Escape.
    QString rows;
    const QStringList lines =
        QString::fromStdString(inTermsOf(play_->board().map(), texts::kHelp)).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const QStringList cells = line.split(QLatin1Char('\t'));
        if (cells.size() == 2)
            rows += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                        .arg(cells[0].toHtmlEscaped(), cells[1].toHtmlEscaped());
        else if (!line.isEmpty())
            rows += QStringLiteral("<tr><td colspan=\"2\">%1</td></tr>").arg(line.toHtmlEscaped());
    }
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(texts::kHelpTitle),
                    QStringLiteral("<table cellspacing=\"4\">%1</table>").arg(rows), QMessageBox::Ok, window_);
    box.setTextFormat(Qt::RichText);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
    // Back to the window and its focused item, also where no window manager
    // hands the focus back when a box closes.
    window_->activateWindow();
}

bool PlayAccess::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != focusHolder_ || event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return false;  // the tab order as it is
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        names_->setFocus(Qt::ShortcutFocusReason);
        return true;
    default:
        break;
    }
    if (key->text().isEmpty() || !key->text().front().isPrint())
        return false;  // F-keys and the like: the window's shortcuts
    // Text, a letter above all: the names take it, a letter choosing its name.
    names_->setFocus(Qt::ShortcutFocusReason);
    QKeyEvent letter(QEvent::KeyPress, key->key(), key->modifiers(), key->text());
    QCoreApplication::sendEvent(names_, &letter);
    return true;
}

void PlayAccess::switchStop()
{
    if (names_->hasFocus())
        map_->setFocus(Qt::ShortcutFocusReason);
    else
        names_->setFocus(Qt::ShortcutFocusReason);
}

void PlayAccess::react(PlayStop* from, const Reaction& reaction)
{
    switch (reaction.kind) {
    case Reaction::Nothing:
        return;
    case Reaction::Moved:
        from->setResult(-1, {});
        from->instructionsHeard();
        from->update();
        tellFocus(from);
        return;
    default:
        break;
    }
    window_->update();  // the board may have changed under the marks
    names_->update();
    map_->update();
    if (reaction.kind == Reaction::Right) {
        // A placed state is named now.
        QAccessibleEvent named(map_, QAccessible::NameChanged);
        named.setChild(play_->currentState());
        send(named);
    }
    PlayStop* target = from;
    if (reaction.focus)
        target = *reaction.focus == Stop::Names ? static_cast<PlayStop*>(names_) : static_cast<PlayStop*>(map_);
    const QString text = QString::fromStdString(texts::resultText(*play_, reaction));
    const bool moves = reaction.focus && !target->hasFocus();
    target->setResult(target->currentItem(), text, !moves);
    if (moves)
        target->setFocus(Qt::OtherFocusReason);  // its focus-in tells the item, result and all
    else
        tellInPlace(target, text);
}

void PlayAccess::tellFocus(PlayStop* stop)
{
    stop->update();
    if (!stop->hasFocus())
        return;
    const int child = stop->childOfItem(stop->currentItem());
    if (child < 0)
        return;
    QAccessibleEvent focus(stop, QAccessible::Focus);
    focus.setChild(child);
    send(focus);
}

void PlayAccess::tellInPlace(PlayStop* stop, const QString& text)
{
    if (text.isEmpty())
        return;
    if (const auto announcement = qtversion::announcement(stop, text)) {
        send(*announcement);
        return;
    }
    // Without announcements, and with a changed name or description sent in
    // a form screen readers cannot read (Qt 6.4), the item is met anew: told
    // as focused under a fresh interface, it is spoken whole, its name
    // carrying the result.
    renewItem(stop, stop->currentItem());
    tellFocus(stop);
}

} // namespace orrinvale
