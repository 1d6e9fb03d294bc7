#include "ClipRecords.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace orrinvale {
namespace {

using Records = std::vector<std::optional<std::string>>;

Records readInPieces(const std::string& stream, std::size_t piece, bool* broken = nullptr)
{
    Records records;
    ClipRecordReader reader;
    for (std::size_t at = 0; at < stream.size(); at += piece) {
        const std::size_t size = std::min(piece, stream.size() - at);
        reader.feed(stream.data() + at, size, [&](std::optional<std::string> samples) { records.push_back(samples); });
    }
    if (broken)
        *broken = reader.broken();
    return records;
}

TEST(ClipRecords, ReadBackWhateverSizeThePiecesArrive)
{
    std::string clip(1000, '\0');
    for (std::size_t i = 0; i < clip.size(); ++i)
        clip[i] = static_cast<char>(i * 7);
    const Records written{clip, std::nullopt, std::string(), std::string("\xFF\x00\x80", 3)};
    std::string stream;
    for (const auto& record : written)
        stream += clipRecord(record);
    for (std::size_t piece : {1u, 3u, 8u, 9u, 1007u, 100000u}) {
        SCOPED_TRACE(piece);
        bool broken = true;
        EXPECT_EQ(readInPieces(stream, piece, &broken), written);
        EXPECT_FALSE(broken);
    }
}

TEST(ClipRecords, AnImpossibleLengthStopsTheReading)
{
    const std::string good = clipRecord(std::string("ab"));
    for (const std::string& header : {std::string("\xFE\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 8),  // -2
                                      std::string("\x01\x00\x00\x01\x00\x00\x00\x00", 8),  // above the cut
                                      std::string("RIFF\x24\x08\x00\x00", 8)}) {
        bool broken = false;
        const Records records = readInPieces(good + header + good, 5, &broken);
        EXPECT_EQ(records, Records{std::string("ab")});
        EXPECT_TRUE(broken);
    }
}

TEST(ClipRecords, AnOverlongClipIsCutWhenWritten)
{
    const std::string record = clipRecord(std::string(static_cast<std::size_t>(kMaxClipBytes) + 5, 'x'));
    EXPECT_EQ(record.size(), 8 + static_cast<std::size_t>(kMaxClipBytes));
    const Records records = readInPieces(record, 1 << 20);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0]->size(), static_cast<std::size_t>(kMaxClipBytes));
}

} // namespace
} // namespace orrinvale
