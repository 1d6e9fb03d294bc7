// The board set-up at the end of the load: filling the panel from the state
// table, the reports of a faulty table, and the drop regions.
#include "Fakes.h"

#include <gtest/gtest.h>

using namespace orrinvale;
using namespace orrinvale::testing;

TEST(BoardSetUp, ShippedTableFillsThePanelInFileOrderAndDealsTheBoard)
{
    BoardFixture f;
    f.setUp(shippedStateTable());
    EXPECT_TRUE(f.boxes.shown.empty());
    EXPECT_EQ(f.board.panelName(0).caption, "Alabama");
    EXPECT_EQ(f.board.panelName(0).tag, "AL");
    EXPECT_EQ(f.board.panelName(49).caption, "Wyoming");
    EXPECT_EQ(f.board.panelName(49).tag, "WY");
    for (int i = 0; i < layout::kStateCount; ++i) {
        EXPECT_EQ(f.board.panelName(i).caption, layout::kMapNames[static_cast<std::size_t>(i)].caption);
        EXPECT_TRUE(f.board.panelName(i).visible);
        EXPECT_FALSE(f.board.placedNameShown(i));
    }
    for (int k = 0; k < layout::kLineCount; ++k)
        EXPECT_FALSE(f.board.lineVisible(k));
    EXPECT_EQ(f.board.placedCount, 0);
    EXPECT_EQ(f.board.backColor, layout::kWhite);
}

TEST(BoardSetUp, RegionsCopyTheRectanglesAndStackInIndexOrder)
{
    BoardFixture f;
    f.setUp(shippedStateTable());
    ASSERT_EQ(f.board.regions().size(), static_cast<std::size_t>(layout::kRegionCount));
    int lastZ = 0;
    for (const auto& [j, region] : f.board.regions()) {
        const auto& shape = layout::kHitRects[static_cast<std::size_t>(j)];
        EXPECT_EQ(region.box, shape.box) << j;
        EXPECT_EQ(region.tag, shape.tag) << j;
        EXPECT_TRUE(region.visible);
        EXPECT_GT(region.zOrder, lastZ);
        lastZ = region.zOrder;
    }
    EXPECT_EQ(f.board.region(59).tag, "VA");
}

TEST(BoardSetUp, FaultyRecordsAreReportedWithTheirLines)
{
    {
        SCOPED_TRACE("one field");
        BoardFixture f;
        f.setUp("Alabama\r\nAlaska,AK\r\n");
        EXPECT_EQ(f.boxes.reportedLines(), std::vector<int>{142});
        EXPECT_EQ(f.boxes.shown[0].text.substr(0, 24), "Subscript out of range\r\n");
        EXPECT_EQ(f.board.panelName(0).caption, "Alabama");
        EXPECT_EQ(f.board.panelName(0).tag, "");
        EXPECT_EQ(f.board.panelName(1).tag, "AK");
    }
    {
        SCOPED_TRACE("blank line");
        BoardFixture f;
        f.setUp("Alabama,AL\r\n\r\nArizona,AZ\r\n");
        EXPECT_EQ(f.boxes.reportedLines(), (std::vector<int>{140, 142}));
        EXPECT_EQ(f.board.panelName(1).caption, "Label3");
        EXPECT_EQ(f.board.panelName(2).caption, "Arizona");
    }
    {
        SCOPED_TRACE("fifty-two records");
        BoardFixture f;
        f.setUp(shippedStateTable() + "Puerto Rico,PR\r\nGuam,GU\r\n");
        EXPECT_EQ(f.boxes.reportedLines(), (std::vector<int>{140, 142, 140, 142}));
        EXPECT_NE(f.boxes.shown[0].text.find("'50'"), std::string::npos);
        EXPECT_NE(f.boxes.shown[2].text.find("'51'"), std::string::npos);
        EXPECT_EQ(f.board.panelName(49).caption, "Wyoming");
    }
    {
        SCOPED_TRACE("extra fields and spaces");
        BoardFixture f;
        f.setUp("Alabama, AL,extra,more\r\nAlaska,AK\nArizona,AZ\r\n");
        EXPECT_TRUE(f.boxes.shown.empty());
        EXPECT_EQ(f.board.panelName(0).tag, " AL");
        EXPECT_EQ(f.board.panelName(1).tag, "AK\nArizona");  // a LF alone does not end the record
        EXPECT_EQ(f.board.panelName(2).caption, "Label3");
    }
}

TEST(BoardSetUp, TableThatCannotBeOpenedIsReportedOnceAndTheBoardIsStillDealt)
{
    for (const bool folderInItsPlace : {false, true}) {
        SCOPED_TRACE(folderInItsPlace ? "folder" : "missing");
        BoardFixture f;
        if (folderInItsPlace)
            std::filesystem::create_directory(f.folder / files::kStateTable);
        f.setUpWithoutTable();
        EXPECT_EQ(f.boxes.reportedLines(), std::vector<int>{130});
        EXPECT_EQ(f.boxes.shown[0].text.substr(0, f.boxes.shown[0].text.find('\r')),
                  folderInItsPlace ? "Is a directory" : "No such file or directory");
        EXPECT_EQ(f.board.panelName(0).caption, "Label3");
        EXPECT_EQ(f.board.regions().size(), static_cast<std::size_t>(layout::kRegionCount));
        EXPECT_FALSE(f.board.lineVisible(0));
    }
}

TEST(BoardSetUp, TableThatOpensButCannotBeReadIsReportedOnceAtTheReadStep)
{
    // Reading a process's memory at address 0 fails with an I/O error,
    // although the file opens like any other.
    BoardFixture f;
    std::error_code ec;
    std::filesystem::create_symlink("/proc/self/mem", f.folder / files::kStateTable, ec);
    if (ec || !std::ifstream("/proc/self/mem"))
        GTEST_SKIP() << "no /proc/self/mem here";
    f.setUpWithoutTable();
    EXPECT_EQ(f.boxes.reportedLines(), std::vector<int>{136});
    EXPECT_EQ(f.boxes.shown[0].text.substr(0, f.boxes.shown[0].text.find('\r')), "Input/output error");
    EXPECT_EQ(f.board.panelName(0).caption, "Label3");
    EXPECT_EQ(f.board.regions().size(), static_cast<std::size_t>(layout::kRegionCount));
    EXPECT_TRUE(f.board.panelName(49).visible);
}

TEST(BoardSetUp, EmptyOrBinaryTablesNeverSpinOrCrash)
{
    {
        BoardFixture f;
        f.setUp("");
        EXPECT_TRUE(f.boxes.shown.empty());
        EXPECT_EQ(f.board.panelName(0).caption, "Label3");
    }
    {
        // No line end at all: one record of one field.
        BoardFixture f;
        f.setUp(std::string(10 * 1024 * 1024, 'x'));
        EXPECT_EQ(f.boxes.reportedLines(), std::vector<int>{142});
        EXPECT_EQ(f.board.panelName(0).caption.size(), 10u * 1024 * 1024);
    }
    {
        // NUL bytes stay in the text.
        BoardFixture f;
        f.setUp(std::string("Ala\0bama,A\0L\r\n", 14));
        EXPECT_TRUE(f.boxes.shown.empty());
        EXPECT_EQ(f.board.panelName(0).tag, std::string("A\0L", 3));
    }
    {
        // Random bytes: two reports per record past the fiftieth at most,
        // and a dealt board.
        BoardFixture f;
        std::mt19937 random(11);
        std::string bytes(4096, '\0');
        for (char& c : bytes)
            c = static_cast<char>(random());
        f.setUp(bytes);
        std::size_t records = 1;
        for (const char c : bytes)
            records += c == '\r';
        EXPECT_LE(f.boxes.errorCount(), 2 * records);
        EXPECT_EQ(f.board.placedCount, 0);
        EXPECT_EQ(f.board.regions().size(), static_cast<std::size_t>(layout::kRegionCount));
    }
}
