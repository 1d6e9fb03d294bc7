// A skin restyles the window and does nothing else: sheets that would change
// what the quiz does, or that do not parse, are refused with the line.
#include "Fakes.h"
#include "SkinSheet.h"

#include <gtest/gtest.h>

#include <clocale>

using namespace orrinvale;
using namespace orrinvale::testing;

namespace {

std::string refusal(const std::string& sheet)
{
    try {
        const std::string out = checkedSkinSheet(sheet);
        return "accepted as: " + out;
    } catch (const RuntimeError& e) {
        return e.what();
    }
}

// Whether the sheet is refused with a reason that holds the words.
::testing::AssertionResult refusalSays(const std::string& sheet, const std::string& why)
{
    const std::string said = refusal(sheet);
    if (said.find(why) != std::string::npos)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << sheet << " -> " << said;
}

} // namespace

TEST(SkinSheet, TheSampleSkinPassesAndReadsTheSameWhenReadAgain)
{
    const std::string sample = readSkinFile(ORRINVALE_ASSETS "/skins/sample.cjs");
    const std::string checked = checkedSkinSheet(sample);
    EXPECT_EQ(checkedSkinSheet(checked), checked);
    EXPECT_NE(checked.find("QPushButton:hover { background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 "
                           "#fac57a, stop: 1 #e6843a); }"),
              std::string::npos)
        << checked;
    EXPECT_EQ(checked.find("sample skin"), std::string::npos);  // comments are dropped
}

TEST(SkinSheet, DeclarationsThatChangeMoreThanTheLookAreRefusedWithTheirLine)
{
    EXPECT_EQ(refusal("#PushButton1 { qproperty-text: \"Quit?\"; }"),
              "line 1: qproperty-text changes more than the look of the window");
    EXPECT_EQ(refusal("QPushButton { color: red; }\n#PushButton2 {\n  QProperty-Enabled: false; }"),
              "line 3: qproperty-enabled changes more than the look of the window");
    for (const char* sheet : {
             "#Form1 { qproperty-windowTitle: \"Hijacked\"; }",
             "#Form1 { min-width: 2000px; }",
             "QPushButton { max-height: 1px; }",
             "QPushButton { width: 0; }",
             "QMessageBox { messagebox-text-interaction-flags: 5; }",
             "QPushButton { text-transform: uppercase; }",
             "QPushButton { -qt-background-role: none; }",
         }) {
        EXPECT_NE(refusal(sheet).find("changes more than the look"), std::string::npos) << sheet;
    }
}

TEST(SkinSheet, NothingCanBeSmuggledPastTheCheck)
{
    // Each of these would let Qt read a declaration the check did not see.
    const std::vector<std::pair<std::string, std::string>> cases{
        {"QPushButton { qpropert\\y-text: x; }", "escapes"},
        {"QPushButton { color: rgb(1;qproperty-text: x); }", "brace or a semicolon"},
        {"QPushButton { font-family: \"a;qproperty-text: x\"; }", "brace or a semicolon"},
        {"QPushButton { font-family: \"a\\\"; qproperty-text: x; }", "backslash"},
        {"@media screen { #Form1 { qproperty-windowTitle: x; } }", "at-rules"},
        {"QPushButton { color: red; /* }\n#Form1 { qproperty-windowTitle: x; } */", "not closed"},
        {"QPushButton { color: red }}#Form1 { qproperty-windowTitle: x; }", "selector holds '}'"},
        {"QPushButton { color: url(a) } ; #Form1 { min-width: 9px }", "selector holds ';'"},
    };
    for (const auto& [sheet, why] : cases)
        EXPECT_TRUE(refusalSays(sheet, why));
}

TEST(SkinSheet, SheetsThatDoNotParseAreRefusedWithTheirLine)
{
    EXPECT_EQ(refusal("QPushButton { color: red;"), "line 1: a rule is not closed");
    EXPECT_EQ(refusal("QPushButton {\n color red; }"), "line 2: the declaration of color has no colon");
    EXPECT_EQ(refusal("QPushButton\n\n"), "line 3: a rule has no declarations");
    EXPECT_EQ(refusal("{ color: red; }"), "line 1: a rule has no selector");
    EXPECT_EQ(refusal("QPushButton { color: ; }"), "line 1: a declaration has no value");
    EXPECT_EQ(refusal("QPushButton { color: rgb(1, 2, 3)); }"), "line 1: a value closes a parenthesis it did not open");
    EXPECT_EQ(refusal("QLabel { font-family: \"Arial }"), "line 1: a quoted text holds a line end, a backslash, a "
                                                          "brace or a semicolon");
}

TEST(SkinSheet, LinesEndInCrLfLfOrCrAlike)
{
    for (const char* end : {"\n", "\r\n", "\r"}) {
        SCOPED_TRACE(::testing::PrintToString(std::string(end)));
        const std::string e(end);
        EXPECT_EQ(refusal("QLabel { color: red; }" + e + e + "QPushButton {" + e + " color red; }"),
                  "line 4: the declaration of color has no colon");
    }
}

TEST(SkinSheet, TheVerdictDoesNotDependOnTheLocale)
{
    // Qt sets the user's locale; under a Turkish one the C library lowers
    // 'I' to no 'i'. The check must not care (the locale is tried when this
    // machine has it, and the verdict must hold either way).
    const std::string before = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "tr_TR.UTF-8");
    const std::string verdict = refusal("QPushButton { PADDING: 2px; COLOR: RED; }");
    std::setlocale(LC_ALL, before.c_str());
    EXPECT_EQ(verdict.rfind("accepted as: ", 0), 0u) << verdict;
}

TEST(SkinSheet, MarginsAndOutsizedLengthsAreRefused)
{
    // A margin moves where a button takes its clicks, even only while hovered.
    EXPECT_EQ(refusal("QPushButton:hover {\n margin-left: 200px; }"),
              "line 2: margin-left changes more than the look of the window");
    EXPECT_EQ(refusal("QPushButton { margin: 0; }"), "line 1: margin changes more than the look of the window");
    // A box whose text and button end up off the screen.
    EXPECT_EQ(refusal("QMessageBox QLabel { padding: 3000px; font-size: 300px; }"),
              "line 1: padding: 3000px is larger than a skin may make it (at most 16px)");
    const std::pair<const char*, const char*> refused[] = {
        {"QLabel { font-size: 300px; }", "font-size: 300px is larger than a skin may make it (at most 32px)"},
        {"QLabel { font: bold 30pt \"Liberation Sans\"; }", "font: 30pt is larger"},
        {"QLabel { font-size: 3em; }", "font-size: 3em is larger"},
        {"QPushButton { border: 40 solid red; }", "border: 40 is larger"},
        {"QPushButton { border-image: url(a.png) 90 90 90 90; }", "border-image: 90 is larger"},
        {"QPushButton { padding: 2px -6px; }", "padding: -6px is less than nothing"},
        {"QPushButton { padding-top: 2cm; }", "padding-top: 2cm is no length a skin may use"},
        {"QPushButton { outline-width: 17.5px; }", "outline-width: 17.5px is larger"},
    };
    for (const auto& [sheet, why] : refused)
        EXPECT_TRUE(refusalSays(sheet, why));

    // Colours, gradients, urls and weights are no sizes; sizes within bounds pass.
    const char* accepted[] = {
        "QPushButton { border: 2px solid rgb(255, 0, 0); border-radius: 8px; padding: 2px 8px; }",
        "QLabel { font: bold 700 14pt \"Liberation Sans 2000\"; font-weight: 900; font-size: 2em; }",
        "QPushButton { border-image: url(a300.png) 4 4 4 4 stretch; background: #123456; }",
        "QPushButton { background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #f7b55a, stop: 1 red); }",
        "QPushButton { padding: 16px; outline: 0.5px dotted blue; }",
    };
    for (const char* sheet : accepted)
        EXPECT_EQ(refusal(sheet).rfind("accepted as: ", 0), 0u) << sheet << " -> " << refusal(sheet);
}
