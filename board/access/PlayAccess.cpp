#include "PlayAccess.h"

#include "AccessibleStops.h"
#include "ButtonFocusFrame.h"
#include "InstructionsText.h"
#include "NamesPanel.h"
#include "PlayTexts.h"
#include "StateMapView.h"

#include <QAccessible>
#include <QMessageBox>
#include <QShortcut>

namespace orrinvale {

PlayAccess::PlayAccess(QWidget* window, Board& board, QWidget* focusHolder, QWidget* lastStop,
                       const std::vector<QWidget*>& buttons)
    : QObject(window), window_(window), play_(std::make_unique<KeyboardPlay>(board, StateMap(board))),
      sink_([](QAccessibleEvent* event) { QAccessible::updateAccessibility(event); })
{
    installAccessibleStops();
    new InstructionsText(window);
    map_ = new StateMapView(window, *play_);
    names_ = new NamesPanel(window, *play_);
    buttonRing_ = new ButtonFocusFrame(window, buttons);
    for (QWidget* w : {static_cast<QWidget*>(map_), static_cast<QWidget*>(names_)})
        w->show();
    QWidget::setTabOrder(lastStop, names_);
    QWidget::setTabOrder(names_, map_);
    focusHolder->setAccessibleName(QString::fromLatin1(texts::kFocusHolderName));

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
    const QStringList lines = QString::fromLatin1(texts::kHelp).split(QLatin1Char('\n'));
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
    target->setResult(target->currentItem(), text);
    if (reaction.focus && !target->hasFocus()) {
        target->setFocus(Qt::OtherFocusReason);  // its focus-in tells the item, result and all
        tell(target, text, false);
    } else
        tell(target, text, true);
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

void PlayAccess::tell(PlayStop* stop, const QString& text, bool focusEvent)
{
    const int child = stop->childOfItem(stop->currentItem());
    if (child >= 0) {
        QAccessibleEvent changed(stop, QAccessible::DescriptionChanged);
        changed.setChild(child);
        send(changed);
    }
    if (focusEvent)
        tellFocus(stop);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (!text.isEmpty()) {
        QAccessibleAnnouncementEvent announcement(stop, text);
        send(announcement);
    }
#else
    Q_UNUSED(text);
#endif
}

} // namespace orrinvale
