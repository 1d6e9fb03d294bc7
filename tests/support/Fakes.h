// Recorders and fakes that stand in for the window's outside services.
#pragma once

#include "Board.h"
#include "ErrorReport.h"
#include "Platform.h"
#include "ProgramFiles.h"
#include "RuntimeError.h"
#include "SharedRoutines.h"
#include "SkinFramework.h"
#include "StateTable.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <random>
#include <regex>
#include <string>
#include <vector>

namespace orrinvale::testing {

struct ShownBox {
    std::string title;
    std::string text;
    BoxIcon icon;
};

class RecordingBoxes : public MessageBoxes {
public:
    void showModal(const std::string& title, const std::string& text, BoxIcon icon) override
    {
        shown.push_back({title, text, icon});
        if (onShow)
            onShow(shown.back());
    }
    // Line numbers of the error reports, in order.
    std::vector<int> reportedLines() const
    {
        std::vector<int> lines;
        static const std::regex kAtLine("at line ([0-9]+)\r");
        for (const ShownBox& box : shown) {
            std::smatch m;
            if (box.title == kErrorBoxTitle && std::regex_search(box.text, m, kAtLine))
                lines.push_back(std::stoi(m[1]));
        }
        return lines;
    }
    std::size_t errorCount() const { return reportedLines().size(); }
    std::vector<ShownBox> shown;
    std::function<void(const ShownBox&)> onShow;
};

class RecordingPlayer : public ClipPlayer {
public:
    void play(const std::string& path) override { played.push_back(path); }
    std::vector<std::string> played;
};

// Makes the step with this origin and line fail, `times` times.
class FaultAt : public FaultHook {
public:
    FaultAt(std::string origin, int line, int times = 1) : origin_(std::move(origin)), line_(line), left_(times) {}
    void beforeStep(const std::string& origin, int line) override
    {
        if (origin == origin_ && line == line_ && left_ > 0) {
            --left_;
            throw RuntimeError("Injected fault");
        }
    }

private:
    std::string origin_;
    int line_;
    int left_;
};

// A generator that always draws the same number, and keeps its seed.
class FixedRandom : public RandomSource {
public:
    explicit FixedRandom(double r = 0.5) : draw(r) {}
    void seed(double s) override { seeded = s; }
    double next() override { return draw; }
    double draw;
    double seeded = -1;
};

// Keeps every address it is asked to open; fails each when told to.
class RecordingLauncher : public Launcher {
public:
    explicit RecordingLauncher(bool fails = false) : fail(fails) {}
    void open(const std::string& address) override
    {
        opened.push_back(address);
        if (fail)
            throw RuntimeError("File not found");
    }
    bool fail;
    std::vector<std::string> opened;
};

class FakeWindow : public WindowHost {
public:
    void unload() override
    {
        if (failUnload)
            throw RuntimeError("Unload failed");
        ++unloads;
    }
    void setCaption(const std::string& text) override { caption = text; }
    void setApplicationIcon() override { hasIcon = true; }
    void setMouseIcon(const std::string& path, int x, int y) override
    {
        mouseIcon = path;
        hotX = x;
        hotY = y;
    }
    long long nativeHandle() override { return 4242; }

    int unloads = 0;
    bool failUnload = false;
    std::string caption;
    bool hasIcon = false;
    std::string mouseIcon;
    int hotX = -1, hotY = -1;
};

// A program folder of its own in the temporary directory.
class TempFolder {
public:
    TempFolder()
    {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() / ("orrinvale-test-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string str() const { return path_.string(); }
    // A file of the folder, named as the program names it ("\\x\\o.cjs")
    // or relative ("x/o.cjs").
    std::filesystem::path operator/(const std::string& name) const { return path_ / files::relativePath(name); }
    void write(const std::string& name, const std::string& bytes) const
    {
        std::filesystem::create_directories((*this / name).parent_path());
        std::ofstream(*this / name, std::ios::binary) << bytes;
    }

private:
    std::filesystem::path path_;
};

// The shipped state table, fifty records with CR LF line ends.
std::string shippedStateTable();

// Bytes of no format at all, the same for the same seed.
std::string randomBytes(std::size_t n, unsigned seed);

// A point where the front region carries this code (trimmed), or nullopt.
std::optional<PointTw> pointOnState(const Board& board, const std::string& code);

// A board with recording services in a program folder of its own.
struct BoardFixture {
    TempFolder folder;
    RecordingBoxes boxes;
    RecordingPlayer player;
    AppInfo app{folder.str(), "Orrinvale", "support@orrinvale.example"};
    Services services{boxes, player, app};
    Board board{services};

    // Writes the table and runs the board set-up under the load's trap.
    void setUp(const std::string& table);
    void setUpWithoutTable();
    // The index of the first region carrying this code.
    int regionOf(const std::string& code) const;
    // The panel index of the name with this code.
    int nameOf(const std::string& code) const;
    void placeAll(int count);
};

// The board dealt from the shipped state table.
struct DealtBoard : BoardFixture {
    DealtBoard() { setUp(shippedStateTable()); }
};

inline PointTw centreOf(const RectTw& r)
{
    return {r.left + r.width / 2, r.top + r.height / 2};
}

} // namespace orrinvale::testing
