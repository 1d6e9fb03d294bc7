#include "QuizApp.h"

#include "Board.h"
#include "CommandLine.h"
#include "DeferredClipPlayer.h"
#include "DesktopLauncher.h"
#include "Form1.h"
#include "FormLoad.h"
#include "Main.h"
#include "Practice.h"
#include "PictureSizeReader.h"
#include "ProgressFile.h"
#include "QtMessageBoxes.h"
#include "SessionPlatform.h"
#include "SkinFramework.h"
#include "StyleSheetVerdict.h"
#include "WaylandCompositor.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace orrinvale {

int runQuiz(int argc, char* argv[], FaultHook* faults)
{
    // The usage and forgetting need no display.
    bool forget = false, practice = false;
    for (int i = 1; i < argc; ++i) {
        const CommandLine word = readCommandLine({argv[i]});
        if (word.help) {
            std::printf("%s\n", kUsage);
            return 0;
        }
        forget = forget || word.forget;
        practice = practice || word.practice;
    }
    const std::string progressPath =
        progressFilePath([](const char* name) { return qEnvironmentVariable(name).toStdString(); });
    if (forget) {
        if (!ProgressFile(progressPath, std::cerr).forget())
            return 1;
        if (!practice) {
            std::printf("orrinvale: practice progress forgotten\n");
            return 0;
        }
    }
    // The platform goes to Qt as an argument, not through the environment,
    // so that the browser and the clip decoder do not inherit it.
    std::vector<char*> args(argv, argv + argc);
    std::string platform = chooseQtPlatform(
        {[](const char* name) { return qEnvironmentVariable(name).toStdString(); }, waylandCompositorDecorates});
    char platformOption[] = "-platform";
    if (!platform.empty()) {
        args.push_back(platformOption);
        args.push_back(platform.data());
    }
    args.push_back(nullptr);
    int qtArgc = static_cast<int>(args.size()) - 1;
    QApplication app(qtArgc, args.data());
    // What Qt left of the command line is ours.
    std::vector<std::string> words;
    for (int i = 1; i < qtArgc; ++i)
        words.emplace_back(args[static_cast<std::size_t>(i)]);
    const CommandLine options = readCommandLine(words);
    if (!options.error.empty()) {
        std::fputs(options.error.c_str(), stderr);
        return 2;
    }
    // Lets the desktop match the window to its desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ORRINVALE_DESKTOP_ID));
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
    // Practising what the player misses, where chosen; else nothing is kept.
    std::unique_ptr<ProgressFile> progress;
    std::unique_ptr<Practice> practiceMode;
    if (options.practice) {
        progress = std::make_unique<ProgressFile>(progressPath, std::cerr);
        const QDate epoch(1970, 1, 1);
        practiceMode = std::make_unique<Practice>(
            *progress, PracticeClock{[epoch] { return static_cast<long>(epoch.daysTo(QDate::currentDate())); },
                                     [] {
                                         using namespace std::chrono;
                                         return duration<double>(steady_clock::now().time_since_epoch()).count();
                                     }});
        services.rounds = practiceMode.get();
    }
    Board board(services);
    Form1 window(board);
    // A click on a name picks it up and a click on a state drops it there,
    // for players who cannot drag (the desktop entry's "Play by clicking").
    window.setClickToPlace(options.clickToPlace);
    SkinFramework skin([&window](std::int64_t handle, const std::string& sheet) { window.applySkin(handle, sheet); },
                       readPictureSize, qtReadsStyleSheet);
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
