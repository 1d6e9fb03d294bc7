#include "QtMessageBoxes.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

namespace orrinvale {

QString displayText(const std::string& text)
{
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

namespace {

// A message box sizes itself as it is shown, and again on each layout
// request, and wraps any text wider than half the screen or 500 pixels. The
// report's lines are meant to be read as written, so this box grows to its
// longest line instead, as far as the screen allows; a line wider than the
// screen is wrapped to the screen's width. It is laid out once, when shown,
// and then placed wholly on its screen with its OK button in sight.
class UnwrappedBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event);
        if (!fitted_)
            fit();
    }
    bool event(QEvent* event) override
    {
        // Qt's own sizing would undo the fit (and the fit Qt's, for ever):
        // once fitted, a layout request only lays out what is there.
        if (event->type() == QEvent::LayoutRequest && fitted_)
            return QWidget::event(event);
        return QMessageBox::event(event);
    }

private:
    void fit()
    {
        auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        const QScreen* where = screen();
        if (!label || !layout() || !where)
            return;
        fitted_ = true;
        const QRect room = where->availableGeometry();
        // The box within its frame must fit the screen's free space.
        const QSize margins = frameGeometry().size() - geometry().size();
        const QSize inside = room.size() - margins;
        label->setWordWrap(false);
        layout()->activate();
        QSize whole = layout()->totalMinimumSize();
        if (whole.width() > inside.width()) {
            // Wider than the screen: the label takes what the rest leaves.
            int width = inside.width() - (whole.width() - label->minimumSizeHint().width());
            label->setWordWrap(true);
            for (int tries = 0; tries < 3; ++tries) {
                label->setFixedWidth(std::max(width, 100));
                layout()->activate();
                whole = layout()->totalMinimumSize();
                if (whole.width() <= inside.width())
                    break;
                width -= whole.width() - inside.width();
            }
        }
        if (whole.height() > inside.height())
            whole = scrollText(label, inside.height());
        whole = whole.boundedTo(inside);
        setFixedSize(whole);
        QCoreApplication::removePostedEvents(this, QEvent::LayoutRequest);

        // Centred over the window it belongs to, or on the screen, and moved
        // in wherever it would stick out.
        const QSize frame = whole + margins;
        QRect box(QPoint(), frame);
        const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
        box.moveCenter(owner && owner->isVisible() ? owner->frameGeometry().center() : room.center());
        box.moveLeft(std::max(room.left(), std::min(box.left(), room.right() - frame.width() + 1)));
        box.moveTop(std::max(room.top(), std::min(box.top(), room.bottom() - frame.height() + 1)));
        move(box.topLeft());
    }

    // Taller than the screen: the text scrolls in the room left, by the
    // scroll bar, the wheel, and the keys once Tab has given it the focus,
    // and OK stays in sight. A screen reader reads the whole text all the
    // same. Returns the box's new size.
    QSize scrollText(QLabel* label, int roomHeight)
    {
        auto* scroll = new QScrollArea(this);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidgetResizable(true);
        scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        scroll->setFocusPolicy(Qt::StrongFocus);
        scroll->setAccessibleName(label->accessibleName());
        const QSize text = label->minimumSizeHint().expandedTo(label->sizeHint());
        delete layout()->replaceWidget(label, scroll);
        scroll->setWidget(label);
        scroll->show();  // made after the box was shown: hidden, it would take no room
        scroll->setFixedSize(text.width() + scroll->verticalScrollBar()->sizeHint().width(), text.height());
        const auto laidOut = [this] {
            layout()->invalidate();
            layout()->activate();
            return layout()->totalMinimumSize();
        };
        const int over = laidOut().height() - roomHeight;
        scroll->setFixedHeight(std::max(text.height() - over, 2 * label->fontMetrics().lineSpacing()));
        return laidOut();
    }

    bool fitted_ = false;
};

} // namespace

std::unique_ptr<QMessageBox> makeMessageBox(const std::string& title, const std::string& text, BoxIcon icon,
                                            QWidget* parent)
{
    auto box = std::make_unique<UnwrappedBox>(icon == BoxIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                                              QString::fromStdString(title), displayText(text), QMessageBox::Ok,
                                              parent);
    box->setTextFormat(Qt::PlainText);
    if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        label->setAccessibleName(spokenText(box->text()));
    return box;
}

QString spokenText(QString shown)
{
    // "COMPLETE!THE MAP" would be read as one sentence: a space after a
    // sentence's end where the next begins at once.
    static const QRegularExpression joined(QStringLiteral("([!?.])(\\p{Lu})"));
    return shown.replace(joined, QStringLiteral("\\1 \\2"));
}

void QtMessageBoxes::showModal(const std::string& title, const std::string& text, BoxIcon icon)
{
    QWidget* window = QApplication::activeWindow();
    if (window && !qobject_cast<QMessageBox*>(window))
        owner_ = window;
    else
        window = owner_;
    const auto box = makeMessageBox(title, text, icon, window);
    // The window behind the box shows the board as the box finds it (the
    // last name placed under the congratulations), whichever hand changed it.
    if (window)
        window->update();
    box->exec();
    // Back to the window and its focused item, also where no window manager
    // hands the focus back when a box closes.
    if (window)
        window->activateWindow();
}

} // namespace orrinvale
