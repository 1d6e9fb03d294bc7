// Reading the state table: line ends, fields, decoding, and files that are
// not what they should be.
#include "Fakes.h"

#include <gtest/gtest.h>

using namespace orrinvale;
using namespace orrinvale::testing;

namespace {

std::vector<std::string> readAll(const TempFolder& folder, const std::string& bytes)
{
    folder.write("t.txt", bytes);
    StateTableFile file;
    file.open((folder / "t.txt").string());
    std::vector<std::string> lines;
    while (!file.atEnd())
        lines.push_back(file.readLine());
    return lines;
}

} // namespace

TEST(StateTableFile, LinesEndAtCrLfOrCrAloneButNotAtLfAlone)
{
    TempFolder folder;
    EXPECT_EQ(readAll(folder, "a,b\r\nc,d\re,f\ng,h"), (std::vector<std::string>{"a,b", "c,d", "e,f\ng,h"}));
    EXPECT_EQ(readAll(folder, "one\r\n"), (std::vector<std::string>{"one"}));
    EXPECT_EQ(readAll(folder, "one\r"), (std::vector<std::string>{"one"}));
    EXPECT_EQ(readAll(folder, "\r\n"), (std::vector<std::string>{""}));
    EXPECT_EQ(readAll(folder, "a\r\n\r\nb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(readAll(folder, "\r\r\n"), (std::vector<std::string>{"", ""}));
    EXPECT_TRUE(readAll(folder, "").empty());
}

TEST(StateTableFile, SplitsAtEveryCommaWithoutQuotingOrTrimming)
{
    EXPECT_TRUE(splitFields("").empty());
    EXPECT_EQ(splitFields("Alabama"), (std::vector<std::string>{"Alabama"}));
    EXPECT_EQ(splitFields("Alabama, AL"), (std::vector<std::string>{"Alabama", " AL"}));
    EXPECT_EQ(splitFields("\"A,B\",C,"), (std::vector<std::string>{"\"A", "B\"", "C", ""}));
    EXPECT_EQ(splitFields(","), (std::vector<std::string>{"", ""}));
    // Only the fields asked for, whatever follows them.
    EXPECT_EQ(splitFields("Alabama,AL,x,y", 2), (std::vector<std::string>{"Alabama", "AL"}));
    EXPECT_EQ(splitFields("Alabama", 2), (std::vector<std::string>{"Alabama"}));
    EXPECT_EQ(splitFields(std::string(1000000, ','), 2), (std::vector<std::string>{"", ""}));
}

TEST(StateTableFile, DecodesWindows1252)
{
    EXPECT_EQ(decodeWindows1252("Caf\xE9"), "Caf\xC3\xA9");
    EXPECT_EQ(decodeWindows1252("\x80"), "\xE2\x82\xAC");        // euro sign
    EXPECT_EQ(decodeWindows1252("\x81"), "\xC2\x81");            // unassigned byte
    EXPECT_EQ(decodeWindows1252(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(StateTableFile, OpenFailuresCarryTheSystemsMessage)
{
    TempFolder folder;
    StateTableFile file;
    try {
        file.open((folder / "missing.txt").string());
        FAIL() << "opened a missing file";
    } catch (const RuntimeError& e) {
        EXPECT_STREQ(e.what(), "No such file or directory");
    }
    try {
        file.open(folder.str());
        FAIL() << "opened a folder";
    } catch (const RuntimeError& e) {
        EXPECT_STREQ(e.what(), "Is a directory");
    }
    EXPECT_FALSE(file.isOpen());
    EXPECT_TRUE(file.atEnd());
}

TEST(StateTableFile, LargeAndBinaryFilesReadToTheirEnd)
{
    TempFolder folder;
    const std::string noLineEnd(10 * 1024 * 1024, 'x');
    const auto big = readAll(folder, noLineEnd);
    ASSERT_EQ(big.size(), 1u);
    EXPECT_EQ(big[0].size(), noLineEnd.size());

    std::mt19937 random(7);
    std::string bytes(1 << 18, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random());
    const auto lines = readAll(folder, bytes);
    std::size_t crs = 0;
    for (std::size_t k = 0; k < bytes.size(); ++k)
        crs += bytes[k] == '\r';
    // Every CR ends a line; the tail after the last CR is one more line.
    EXPECT_EQ(lines.size(), crs + (bytes.back() == '\r' ? 0 : 1));
}
