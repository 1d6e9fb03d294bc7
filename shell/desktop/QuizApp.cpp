#include "QuizApp.h"

#include "Board.h"
#include "CommandLine.h"
#include "DeferredClipPlayer.h"
#include "DesktopLauncher.h"
#include "MapChooser.h"
#include "MapResource.h"
#include "PictureSizeReader.h"
#include "Practice.h"
#include "ProgressFile.h"
#include "QtMessageBoxes.h"
#include "QuizWindow.h"
#include "SessionPlatform.h"
#include "SharedRoutines.h"
#include "SkinFramework.h"
#include "StyleSheetVerdict.h"
#include "WaylandCompositor.h"
#include "WindowLoad.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orrinvale {

namespace {

std::string environment(const char* name)
{
    return qEnvironmentVariable(name).toStdString();
}

// What the command line has answered before any window is needed: the usage,
// a refusal, no display, or progress forgotten alone. The exit status where
// the quiz ends there.
std::optional<int> answeredWithoutWindow(const CommandLine& options, const std::string& progressPath)
{
    if (!options.error.empty()) {
        std::fputs(options.error.c_str(), stderr);
        return 2;
    }
    if (options.help) {
        std::fputs(usageWithMaps().c_str(), stdout);
        return 0;
    }
    // With the chooser, the map whose progress goes is known once chosen.
    if (options.forget && !options.practice && !options.chooseMap) {
        if (!ProgressFile(progressPath, std::cerr).forget())
            return 1;
        std::printf("orrinvale: practice progress forgotten\n");
        return 0;
    }
    if (!displayReachable({environment, {}}, options.platform)) {
        std::fprintf(stderr, "%s\n", kNoDisplay);
        return 1;
    }
    return std::nullopt;
}

QtMessageHandler previousHandler = nullptr;

// Qt ends the process with abort() where the display it was given cannot be
// opened (gone, or refusing): the quiz says so and ends as it would have.
void displayCannotBeOpened(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        previousHandler(type, context, message);
        return;
    }
    const auto named = [](const char* name) {
        const std::string value = environment(name);
        return value.empty() ? std::string("unset") : value;
    };
    std::fprintf(stderr, "orrinvale: the display cannot be opened (DISPLAY %s, WAYLAND_DISPLAY %s)\n",
                 named("DISPLAY").c_str(), named("WAYLAND_DISPLAY").c_str());
    std::_Exit(1);
}

// Qt is given its own options alone. The platform goes to Qt as an
// argument, not through the environment, so that the browser and the clip
// decoder do not inherit it. The words live in `options` and `platform`.
std::vector<char*> qtArguments(char* program, const CommandLine& options, std::string& platform)
{
    static char platformOption[] = "-platform";
    std::vector<char*> args{program};
    for (const std::string& word : options.toolkit)
        args.push_back(const_cast<char*>(word.c_str()));
    if (options.platform.empty())
        platform = chooseQtPlatform({environment, waylandCompositorDecorates});
    if (!platform.empty()) {
        args.push_back(platformOption);
        args.push_back(platform.data());
    }
    args.push_back(nullptr);
    return args;
}

// Practice keeps its schedule in the progress file, by the local day.
std::unique_ptr<Practice> makePractice(ProgressStore& progress)
{
    const QDate epoch(1970, 1, 1);
    return std::make_unique<Practice>(
        progress, PracticeClock{[epoch] { return static_cast<long>(epoch.daysTo(QDate::currentDate())); },
                                [] {
                                    using namespace std::chrono;
                                    return duration<double>(steady_clock::now().time_since_epoch()).count();
                                }});
}

// The map the player asked for: from the chooser where `--map` named none.
// Empty where the chooser was closed.
std::string chosenMap(const CommandLine& options)
{
    if (!options.chooseMap)
        return options.map;
    MapChooser chooser(options.map);
    return chooser.exec() == QDialog::Accepted ? chooser.chosen() : std::string();
}

// Builds the window on the board, runs its load and shows it; the sound
// back end waits for the first paint.
int showWindow(Board& board, DeferredClipPlayer& player, bool clickToPlace, QApplication& app)
{
    QuizWindow window(board);
    // A click on a name picks it up and a click on a state drops it there,
    // for players who cannot drag (the desktop entry's "Play by clicking").
    window.setClickToPlace(clickToPlace);
    SkinFramework skin([&window](std::int64_t handle, const std::string& sheet) { window.applySkin(handle, sheet); },
                       readPictureSize, qtReadsStyleSheet);
    SeededRandom random;
    DesktopLauncher launcher;
    // The application title stays with the quiz's own boxes: handed to Qt as
    // the display name, it would be appended to every window's title.
    StartUp startUp{board, window, skin, random, launcher, secondsSinceMidnight, ORRINVALE_HOME_PAGE};
    loadWindow(startUp);

    QObject::connect(&window, &QuizWindow::firstPainted, &window,
                     [&player] { QTimer::singleShot(0, [&player] { player.load(); }); });
    window.showCentred();
    return app.exec();
}

} // namespace

int runQuiz(int argc, char* argv[], FaultHook* faults)
{
    const CommandLine options = readCommandLine(std::vector<std::string>(argv + std::min(argc, 1), argv + argc));
    if (const auto status = answeredWithoutWindow(options, progressFilePath(environment, options.map)))
        return *status;

    std::string platform;
    std::vector<char*> args = qtArguments(argv[0], options, platform);
    int qtArgc = static_cast<int>(args.size()) - 1;
    previousHandler = qInstallMessageHandler(displayCannotBeOpened);
    QApplication app(qtArgc, args.data());
    qInstallMessageHandler(previousHandler);
    const std::string mapId = chosenMap(options);
    if (mapId.empty())
        return 0;
    const auto map = loadMap(mapId);
    if (const auto* why = std::get_if<std::string>(&map)) {
        std::fprintf(stderr, "orrinvale: %s\n", why->c_str());
        return 1;
    }
    const std::string progressPath = progressFilePath(environment, mapId);
    if (options.forget && !ProgressFile(progressPath, std::cerr).forget())
        return 1;
    if (options.forget && !options.practice) {
        std::printf("orrinvale: practice progress forgotten\n");
        return 0;
    }
    // Lets the desktop match the window to its desktop entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ORRINVALE_DESKTOP_ID));
    AppInfo info;
    info.programFolder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString();
    info.supportAddress = ORRINVALE_SUPPORT_ADDRESS;
    QtMessageBoxes boxes;
    // The clips are decoded as soon as the sound back end is there.
    DeferredClipPlayer player(joinProgramPath(info.programFolder, files::kPluginFolder),
                              {info.programFolder + clips::kCorrect, info.programFolder + clips::kWrong,
                               info.programFolder + clips::kComplete});
    Services services{boxes, player, info, faults};
    // Practising what the player misses, where chosen; else nothing is kept.
    std::optional<ProgressFile> progress;
    std::unique_ptr<Practice> practice;
    if (options.practice) {
        progress.emplace(progressPath, std::cerr);
        practice = makePractice(*progress);
        services.rounds = practice.get();
    }
    Board board(services, std::get<BoardMap>(map));
    return showWindow(board, player, options.clickToPlace, app);
}

} // namespace orrinvale
