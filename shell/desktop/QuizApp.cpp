#include "QuizApp.h"

#include "Board.h"
#include "DeferredClipPlayer.h"
#include "DesktopLauncher.h"
#include "Form1.h"
#include "FormLoad.h"
#include "Main.h"
#include "QtMessageBoxes.h"
#include "SkinFramework.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

namespace orrinvale {

int runQuiz(int argc, char* argv[], FaultHook* faults)
{
    QApplication app(argc, argv);
    AppInfo info;
    info.programFolder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
    info.supportAddress = ORRINVALE_SUPPORT_ADDRESS;
    QtMessageBoxes boxes;
    // The sound back end waits for the first paint, and the clips are
    // decoded as soon as it is there.
    DeferredClipPlayer player(joinProgramPath(info.programFolder, files::kPluginFolder),
                              {info.programFolder + clips::kCorrect, info.programFolder + clips::kWrong,
                               info.programFolder + clips::kComplete});
    Services services{boxes, player, info, faults};
    Board board(services);
    Form1 window(board);
    SkinFramework skin([&window](std::int64_t handle, const std::string& sheet) { window.applySkin(handle, sheet); });
    SeededRandom random;
    DesktopLauncher launcher;

    // The application title stays with the quiz's own boxes: handed to Qt as
    // the display name, it would be appended to every window's title.
    StartUp startUp{board, window, skin, random, launcher, secondsSinceMidnight, ORRINVALE_HOME_PAGE};
    Form_Load(startUp);

    QObject::connect(&window, &Form1::firstPainted, &window,
                     [&player] { QTimer::singleShot(0, [&player] { player.load(); }); });
    window.showCentred();
    return app.exec();
}

} // namespace orrinvale
