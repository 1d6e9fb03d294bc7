#include "QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace orrinvale {

QString displayText(const std::string& text)
{
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

void QtMessageBoxes::show(const std::string& title, const std::string& text, BoxIcon icon)
{
    QMessageBox box(icon == BoxIcon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon,
                    QString::fromStdString(title), displayText(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace orrinvale
