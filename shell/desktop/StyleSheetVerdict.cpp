#include "StyleSheetVerdict.h"

#include <QWidget>

namespace orrinvale {

namespace {

bool dropped = false;
QtMessageHandler passOn = nullptr;

void listen(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("Could not parse")))
        dropped = true;
    else if (passOn)
        passOn(type, context, message);
}

} // namespace

bool qtReadsStyleSheet(const std::string& styleSheet)
{
    dropped = false;
    passOn = qInstallMessageHandler(listen);
    {
        QWidget probe;
        probe.setStyleSheet(QString::fromStdString(styleSheet));
        probe.ensurePolished();
    }
    qInstallMessageHandler(passOn);
    passOn = nullptr;
    return !dropped;
}

} // namespace orrinvale
