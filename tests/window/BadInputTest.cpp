// Bad files beside the program: each row breaks or removes one file, checks
// the exact reports of start-up, then plays on with the real window, cursor
// loader, skin engine and media player.
#include "DragAndDrop.h"
#include "Fakes.h"
#include "PictureSizeReader.h"
#include "PulseClipPlayer.h"
#include "QuizWindow.h"
#include "StyleSheetVerdict.h"
#include "WindowLoad.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace orrinvale;
using namespace orrinvale::testing;

namespace {

std::string replaceAll(std::string s, const std::string& from, const std::string& to)
{
    for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
        s.replace(at, from.size(), to);
    return s;
}

// The reports the set-up gives for a table, record by record: no field at all
// fails both steps, one field fails the code's step, and every record past
// the fiftieth fails both.
std::vector<int> setUpReports(const std::string& table)
{
    std::vector<std::string> records;
    std::string line;
    bool open = false;
    for (std::size_t k = 0; k < table.size(); ++k) {
        open = true;
        if (table[k] == '\r') {
            records.push_back(line);
            line.clear();
            open = false;
            if (k + 1 < table.size() && table[k + 1] == '\n')
                ++k;
        } else {
            line += table[k];
        }
    }
    if (open)
        records.push_back(line);
    std::vector<int> lines;
    for (std::size_t n = 0; n < records.size(); ++n) {
        const bool noField = records[n].empty();
        const bool oneField = records[n].find(',') == std::string::npos;
        if (n >= 50 || noField) {
            lines.push_back(140);
            lines.push_back(142);
        } else if (oneField) {
            lines.push_back(142);
        }
    }
    return lines;
}

struct Row {
    const char* name;
    std::function<void(const TempFolder&)> prepare;
    std::vector<int> reports;
    bool fullGame = true;  // the table still pairs every name with its state
    bool launcherFails = false;
    bool noAudioDevice = false;
};

std::vector<Row> rows()
{
    const std::string table = shippedStateTable();
    const std::string bigTail(10 * 1024 * 1024, 'x');
    const std::string random = randomBytes(4096, 5);
    const std::string noStateTable;
    return {
        {"state table missing", [](const TempFolder& f) { std::filesystem::remove(f / files::kStateTable); }, {130}, false},
        {"state table empty", [](const TempFolder& f) { f.write(files::kStateTable, ""); }, {}, false},
        {"state table a folder",
         [](const TempFolder& f) {
             std::filesystem::remove(f / files::kStateTable);
             std::filesystem::create_directory(f / files::kStateTable);
         },
         {130}, false},
        {"state table random bytes", [random](const TempFolder& f) { f.write(files::kStateTable, random); },
         setUpReports(random), false},
        {"state table of 10 MB", [=](const TempFolder& f) { f.write(files::kStateTable, table + bigTail); }, {140, 142}},
        {"state table of 2 GB, sparse: sized, not read",
         [](const TempFolder& f) {
             f.write(files::kStateTable, "");
             std::filesystem::resize_file(f / files::kStateTable, std::uintmax_t{2} << 30);
         },
         {136}, false},
        {"state table unreadable",
         [](const TempFolder& f) {
             std::filesystem::remove(f / files::kStateTable);
             std::filesystem::create_symlink("/proc/self/mem", f / files::kStateTable);
         },
         {136}, false},
        {"one line with no end", [](const TempFolder& f) { f.write(files::kStateTable, "Alabama,AL"); }, {}, false},
        {"NUL bytes in the names",
         [=](const TempFolder& f) { f.write(files::kStateTable, replaceAll(table, "a,", std::string("a\0,", 3))); }, {}},
        {"CR line ends only", [=](const TempFolder& f) { f.write(files::kStateTable, replaceAll(table, "\r\n", "\r")); },
         {}},
        {"LF line ends only", [=](const TempFolder& f) { f.write(files::kStateTable, replaceAll(table, "\r\n", "\n")); },
         {}, false},
        {"more than fifty records",
         [=](const TempFolder& f) { f.write(files::kStateTable, table + "Guam,GU\r\nPuerto Rico,PR\r\n"); },
         {140, 142, 140, 142}},
        {"bytes above 127",
         [=](const TempFolder& f) { f.write(files::kStateTable, replaceAll(table, "Ohio,", "\xD3hio \xA9\x80,")); }, {}},
        {"cursor missing", [](const TempFolder& f) { std::filesystem::remove(f / files::kHandCursor); }, {}},
        {"cursor corrupt", [](const TempFolder& f) { f.write(files::kHandCursor, randomBytes(766, 9)); }, {104}},
        {"cursor of zero bytes", [](const TempFolder& f) { f.write(files::kHandCursor, ""); }, {104}},
        {"cursor holding a picture larger than a pointer",
         [](const TempFolder& f) {
             // One directory entry that says 32 x 32, then a PNG of 2100 x 2100.
             std::string cursor("\0\0\2\0\1\0\x20\x20\0\0\1\0\1\0\x18\0\0\0\x16\0\0\0", 22);
             cursor += std::string("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR\0\0\x08\x34\0\0\x08\x34", 24);
             f.write(files::kHandCursor, cursor);
         },
         {104}},
        {"cursor a folder",
         [](const TempFolder& f) {
             std::filesystem::remove(f / files::kHandCursor);
             std::filesystem::create_directory(f / files::kHandCursor);
         },
         {104}},
        {"sounds folder missing", [](const TempFolder& f) { std::filesystem::remove_all(f / "sounds"); }, {}},
        {"clip corrupt", [](const TempFolder& f) { f.write(clips::kCorrect, randomBytes(9000, 3)); }, {}},
        {"skin a folder", [](const TempFolder& f) { std::filesystem::create_directories(f / files::kSkin); }, {}},
        {"skin corrupt", [](const TempFolder& f) { f.write(files::kSkin, randomBytes(2000, 4)); }, {100}},
        {"skin empty", [](const TempFolder& f) { f.write(files::kSkin, ""); }, {100}},
        {"skin that does not parse", [](const TempFolder& f) { f.write(files::kSkin, "QPushButton { color: red;"); },
         {100}},
        {"skin that relabels and disables",
         [](const TempFolder& f) {
             f.write(files::kSkin, "#PushButton1 { qproperty-text: \"Quit?\"; }\n"
                                "#PushButton2 { qproperty-enabled: false; }\n"
                                "#Form1 { qproperty-windowTitle: \"Hijacked\"; min-width: 2000px; }\n");
         },
         {100}},
        {"skin that moves where the buttons take clicks",
         [](const TempFolder& f) { f.write(files::kSkin, "QPushButton:hover { margin-left: 200px; }\n"); }, {100}},
        {"skin that pushes a box off the screen",
         [](const TempFolder& f) {
             f.write(files::kSkin, "QMessageBox QLabel { padding: 3000px; font-size: 300px; }\n");
         },
         {100}},
        {"skin our check reads but Qt cannot",
         [](const TempFolder& f) { f.write(files::kSkin, ") QPushButton { color: red; }\n"); }, {100}},
        {"skin with a selector Qt cannot read",
         [](const TempFolder& f) { f.write(files::kSkin, "QPushButton[ { color: red; }\n"); }, {100}},
        {"skin naming a picture beside it",
         [](const TempFolder& f) {
             std::filesystem::create_directories(f / "x/pics");
             QImage(4, 4, QImage::Format_RGB32).save(QString::fromStdString((f / "x/pics/b.png").string()), "PNG");
             f.write(files::kSkin, "QPushButton { border-image: url(pics/b.png) 1 1 1 1; }\n");
         },
         {}},
        {"skin naming a picture that never ends",
         [](const TempFolder& f) {
             std::filesystem::create_directories(f / "x");
             mkfifo((f / "x/pipe.png").c_str(), 0600);
             f.write(files::kSkin, "QPushButton { border-image: url(pipe.png); }\n");
         },
         {100}},
        {"skin naming a picture of 5700 x 5700 pixels",
         [](const TempFolder& f) {
             std::filesystem::create_directories(f / "x");
             QImage huge(5700, 5700, QImage::Format_Mono);
             huge.fill(0);
             ASSERT_TRUE(huge.save(QString::fromStdString((f / "x/huge.png").string()), "PNG"));
             f.write(files::kSkin, "QPushButton { background-image: url(huge.png); }\n");
         },
         {100}},
        {"no audio device", [](const TempFolder&) {}, {}, true, false, true},
        {"home page launcher fails", [](const TempFolder&) {}, {108}, true, true},
    };
}

void copyProgramFolder(const TempFolder& to)
{
    const std::filesystem::path assets = ORRINVALE_ASSETS;
    to.write(files::kStateTable, shippedStateTable());
    for (const char* file : {files::kHandCursor, clips::kCorrect, clips::kWrong, clips::kComplete}) {
        std::filesystem::create_directories((to / file).parent_path());
        std::filesystem::copy(assets / files::relativePath(file), to / file);
    }
}

void letThePlayerRun(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

} // namespace

TEST(BadInput, EveryRowReportsExactlyWhatItShouldAndPlayOnWorks)
{
    const auto matrix = rows();
    std::printf("bad-input matrix: %zu rows\n", matrix.size());
    for (const Row& row : matrix) {
        SCOPED_TRACE(row.name);
        if (row.noAudioDevice)
            qputenv("PULSE_SERVER", "unix:/nonexistent/orrinvale-no-audio");
        TempFolder folder;
        copyProgramFolder(folder);
        row.prepare(folder);

        RecordingBoxes boxes;
        PulseClipPlayer player(ORRINVALE_DECODER);
        AppInfo app{folder.str(), "", "support@orrinvale.example"};
        Services services{boxes, player, app};
        Board board(services);
        QuizWindow form(board);
        SkinFramework skin([&form](std::int64_t h, const std::string& sheet) { form.applySkin(h, sheet); },
                           readPictureSize, qtReadsStyleSheet);
        FixedRandom draw(row.launcherFails ? 0.065 : 0.5);
        RecordingLauncher launcher(row.launcherFails);
        StartUp startUp{board, form, skin, draw, launcher, [] { return 1.0; }, "https://orrinvale.example/"};
        loadWindow(startUp);
        EXPECT_EQ(boxes.reportedLines(), row.reports);
        EXPECT_EQ(app.title, "Orrinvale");
        // Whatever the files, the window keeps its caption, its buttons and
        // its size.
        EXPECT_EQ(form.windowTitle(), QStringLiteral("Orrinvale"));
        EXPECT_EQ(form.restartButton()->text(), QStringLiteral("Restart"));
        EXPECT_EQ(form.exitButton()->text(), QStringLiteral("Exit"));
        EXPECT_TRUE(form.exitButton()->isEnabled());
        EXPECT_EQ(form.minimumSize(), QSize(784, 624));
        EXPECT_EQ(form.maximumSize(), QSize(784, 624));
        boxes.shown.clear();

        // Play on: every name onto its own state, then a wrong drop.
        DragAndDrop drag(board);
        for (int i = 0; i < layout::kStateCount; ++i) {
            const RectTw box = layout::nameBox(i);
            ASSERT_TRUE(drag.press({box.left + 60, box.top + 150}));
            // Onto the name's own state where it has one, else onto Alaska.
            drag.release(pointOnState(board, trimSpaces(board.panelName(i).tag)).value_or(PointTw{700, 160}));
            if (i % 10 == 0)
                letThePlayerRun(30);
        }
        letThePlayerRun(200);
        EXPECT_EQ(boxes.errorCount(), 0u);
        if (row.fullGame) {
            ASSERT_EQ(boxes.shown.size(), 1u);
            EXPECT_EQ(boxes.shown[0].text, kCongratulations);
            EXPECT_EQ(boxes.shown[0].title, "Orrinvale");
        }
        EXPECT_LT(board.placedCount, 50);
    }
}
