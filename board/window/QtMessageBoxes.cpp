#include "QtMessageBoxes.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>

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
// longest line instead, as far as the screen allows.
class UnwrappedBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event);
        unwrap();
    }
    bool event(QEvent* event) override
    {
        const bool handled = QMessageBox::event(event);
        if (event->type() == QEvent::LayoutRequest && isVisible())
            unwrap();
        return handled;
    }

private:
    void unwrap()
    {
        auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        if (!label || !layout())
            return;
        label->setWordWrap(false);
        layout()->activate();
        const QSize whole = layout()->totalMinimumSize();
        const QScreen* where = screen();
        if (where && whole.width() > where->availableGeometry().width()) {
            label->setWordWrap(true);  // wider than the screen: Qt's own wrapping
            return;
        }
        setFixedSize(whole);
        // Our own change asks for a new layout, which would wrap again.
        QCoreApplication::removePostedEvents(this, QEvent::LayoutRequest);
    }
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

void QtMessageBoxes::show(const std::string& title, const std::string& text, BoxIcon icon)
{
    QWidget* window = QApplication::activeWindow();
    const auto box = makeMessageBox(title, text, icon, window);
    box->exec();
    // Back to the window and its focused item, also where no window manager
    // hands the focus back when a box closes.
    if (window)
        window->activateWindow();
}

} // namespace orrinvale
