// Practice mode: rounds that deal only what is to be practised, what a round
// keeps, and how it is saved.
#include "Fakes.h"
#include "KeyboardPlay.h"
#include "Practice.h"
#include "ProgressFile.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace orrinvale;
using namespace orrinvale::testing;

namespace {

constexpr long kToday = 20'796;  // 2026-12-09

class MemoryStore : public ProgressStore {
public:
    std::optional<std::string> load() override { return kept; }
    void setAside() override { setAsideText = kept; kept.reset(); }
    void save(const std::string& text) override { kept = text; ++saves; }
    void tell(const std::string& what) override { told.push_back(what); }
    std::optional<std::string> kept, setAsideText;
    std::vector<std::string> told;
    int saves = 0;
};

// A practice session on the shipped table, played by keys.
struct Session : BoardFixture {
    explicit Session(std::optional<std::string> kept = std::nullopt, const std::string& table = shippedStateTable())
    {
        store.kept = std::move(kept);
        practice = std::make_unique<Practice>(store, PracticeClock{[this] { return day; }, [this] { return now; }});
        services.rounds = practice.get();
        setUp(table);
        play.emplace(board, StateMap(board));
    }
    std::vector<std::string> panel() const
    {
        std::vector<std::string> codes;
        for (int i = 0; i < layout::kStateCount; ++i)
            if (!board.takenFromPanel(i))
                codes.push_back(board.panelName(i).tag);
        return codes;
    }
    // Drops `code`'s name on `on` (its own state when empty) by keys.
    Reaction drop(const std::string& code, const std::string& on = "")
    {
        play->pickUp(nameOf(code));
        for (int s = 0; s < play->map().size(); ++s)
            if (play->map().state(s).code == (on.empty() ? code : on))
                return play->dropOn(s);
        return {};
    }
    void placeRest()
    {
        for (const std::string& code : panel())
            drop(code);
    }

    long day = kToday;
    double now = 1000;
    MemoryStore store;
    std::unique_ptr<Practice> practice;
    std::optional<KeyboardPlay> play;
};

} // namespace

TEST(Practice, AMissedStateComesBackAloneOthersStartPlacedAndAFullRoundEndsTheCycle)
{
    Session s;
    ASSERT_EQ(s.panel().size(), 50u);  // nothing kept yet: everything is due
    EXPECT_EQ(s.drop("UT", "NV").kind, Reaction::Wrong);
    EXPECT_EQ(s.drop("UT", "CO").kind, Reaction::Wrong);
    s.now += 185;
    s.placeRest();

    ASSERT_EQ(s.boxes.shown.size(), 2u);
    EXPECT_EQ(s.boxes.shown[0].text, kCongratulations);
    EXPECT_EQ(s.boxes.shown[1].text, "Placed at the first try: 49 of 50.\nMissed: Utah (2 wrong drops).\n"
                                     "Time: 3 min 5 s.\nNext round: the missed state.");
    EXPECT_EQ(s.store.saves, 1);
    EXPECT_EQ(s.practice->schedule().standing("UT").box, 1);
    EXPECT_EQ(s.practice->schedule().standing("AL").due, kToday + 1);

    // The next round: Utah alone, every other state placed as by a right drop.
    EXPECT_EQ(s.panel(), std::vector<std::string>{"UT"});
    EXPECT_EQ(s.board.placedCount, 49);
    EXPECT_TRUE(s.board.placedNameShown(s.nameOf("CT")));
    EXPECT_FALSE(s.board.placedNameShown(s.nameOf("UT")));
    for (int k = 0; k < layout::kLineCount; ++k)
        EXPECT_TRUE(s.board.lineVisible(k)) << "leader line " << k;
    EXPECT_EQ(s.drop("UT").kind, Reaction::Completed);
    EXPECT_EQ(s.boxes.shown.back().text, "Placed at the first try: 1 of 1.\nNothing missed.\nTime: 0 s.\n"
                                         "Next: the states due, or all of them when none is.");
    EXPECT_EQ(s.practice->schedule().standing("UT").box, 2);

    // No miss ends the cycle; nothing is due today, so the board is full.
    EXPECT_EQ(s.panel().size(), 50u);
    EXPECT_EQ(s.board.placedCount, 0);
}

TEST(Practice, ASessionStartsWithTheDueStatesByCodeAndRestartDealsTheSame)
{
    std::string kept = "orrinvale-progress 1\n";
    for (const std::string code : {"AL", "AK", "AZ"})
        kept += code + " 3 2026-12-12\n";
    kept += "UT 2 2026-12-09\n";
    // Utah renamed in the table keeps its progress, keyed by its code.
    std::string table = shippedStateTable();
    table.replace(table.find("Utah,"), 5, "State of Utah,");
    Session s(kept, table);
    const std::vector<std::string> panel = s.panel();
    EXPECT_EQ(panel.size(), 47u);  // all but the three not due before the 12th
    EXPECT_EQ(std::count(panel.begin(), panel.end(), "AL"), 0);
    EXPECT_EQ(std::count(panel.begin(), panel.end(), "UT"), 1);

    s.drop("UT", "NV");
    s.board.restart();  // a round left half-way is not kept
    EXPECT_EQ(s.panel(), panel);
    EXPECT_EQ(s.store.saves, 0);
}

TEST(Practice, ARoundEndsAsPlayedWhateverAnotherHandPressesUnderItsBoxes)
{
    Session s;
    s.drop("UT", "NV");
    s.drop("CA", "NV");
    FakeWindow window;
    // A screen reader's actions while each box waits: Restart, Exit, a drop.
    s.boxes.onShow = [&](const ShownBox&) {
        s.board.restart();
        s.board.exitQuiz(window);
        EXPECT_EQ(s.drop("UT").kind, Reaction::Nothing);
    };
    s.placeRest();
    ASSERT_EQ(s.boxes.shown.size(), 2u);
    EXPECT_NE(s.boxes.shown[1].text.find("Missed:\n\u2022 California (1 wrong drop)\n\u2022 Utah (1 wrong drop)\n"),
              std::string::npos);
    EXPECT_EQ(s.practice->schedule().standing("UT").box, 1);
    EXPECT_EQ(s.panel(), (std::vector<std::string>{"CA", "UT"}));
    EXPECT_EQ(window.unloads, 0);
}

TEST(Practice, WhatIsSavedFitsTheFileOtherTablesStatesGoingOldestFirst)
{
    // Just under the bound with other tables' states, none of the fifty yet.
    std::string kept = "orrinvale-progress 1\n";
    for (int i = 0; kept.size() < ProgressStore::kMostBytes - 40; ++i)
        kept += "X" + std::to_string(100000 + i) + " 3 " + isoDate(kToday - 20000 + i) + "\n";
    ASSERT_TRUE(LeitnerSchedule::read(kept));
    Session s(kept);
    s.placeRest();
    s.placeRest();

    const std::string saved = s.store.kept.value();
    EXPECT_LE(saved.size(), ProgressStore::kMostBytes);
    EXPECT_EQ(s.store.told.size(), 1u);
    EXPECT_EQ(s.practice->schedule().standing("X100000").due, 0);       // the oldest went
    EXPECT_NE(saved.find("X" + std::to_string(100000 + 3000)), std::string::npos);  // the newest stayed
    TempFolder folder;
    std::ostringstream said;
    ProgressFile file(folder.str() + "/progress", said);
    file.save(saved);
    EXPECT_EQ(file.load(), saved);
    EXPECT_EQ(said.str(), "");
}

TEST(Practice, ADamagedFileIsSetAsideAndPracticeStartsAfresh)
{
    Session s("orrinvale-progress 1\nUT 9 yesterday\n");
    EXPECT_EQ(s.store.setAsideText, "orrinvale-progress 1\nUT 9 yesterday\n");
    EXPECT_EQ(s.panel().size(), 50u);
}
