#include "DesktopLauncher.h"

#include "RuntimeError.h"

#include <QProcess>
#include <QString>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace orrinvale {

void DesktopLauncher::open(const std::string& address)
{
    const QString url = QString::fromStdString(address);
    QProcess process;
#ifdef Q_OS_WIN
    // explorer "address", minimised with the focus.
    process.setProgram(QStringLiteral("explorer"));
    process.setNativeArguments(QLatin1Char('"') + url + QLatin1Char('"'));
    process.setCreateProcessArgumentsModifier([](QProcess::CreateProcessArguments* args) {
        args->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        args->startupInfo->wShowWindow = SW_SHOWMINIMIZED;
    });
#else
    // The address is passed as one argument; no shell ever sees it.
    process.setProgram(QStringLiteral("xdg-open"));
    process.setArguments({url});
#endif
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    if (!process.startDetached())
        throw RuntimeError("File not found");
}

} // namespace orrinvale
