// The clip decoder program and the process that runs it for the player.
#include "BuiltInClips.h"
#include "ClipDecoderProcess.h"
#include "CraftedClips.h"
#include "Fakes.h"
#include "PulseClipPlayer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace orrinvale {
namespace {

using namespace std::chrono_literals;
using namespace testing;

struct Answers {
    std::vector<std::size_t> order;
    std::vector<QByteArray> samples;
};

// Runs the decoder on the clips and waits for every answer, or the limit.
Answers decode(const std::string& decoder, const std::vector<std::string>& clips,
               std::chrono::milliseconds timeLimit = 20s)
{
    Answers answers;
    answers.samples.resize(clips.size());
    ClipDecoderProcess process(decoder, clips, [&](std::size_t clip, QByteArray samples) {
        answers.order.push_back(clip);
        answers.samples[clip] = std::move(samples);
    }, timeLimit);
    QElapsedTimer waited;
    waited.start();
    while (!process.done() && waited.elapsed() < 30000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return answers;
}

std::string shipped(const char* clip)
{
    return (std::filesystem::path(ORRINVALE_ASSETS) / "sounds" / clip).string();
}

// A stand-in decoder: a shell script with the given body.
std::string script(const TempFolder& folder, const std::string& name, const std::string& body)
{
    folder.write(name, "#!/bin/sh\n" + body + "\n");
    std::filesystem::permissions(folder / name, std::filesystem::perms::owner_all);
    return (folder / name).string();
}

// The largest sample of a stretch of 16-bit samples, as a share of full scale.
double peak(const QByteArray& samples, qsizetype from, qsizetype bytes)
{
    int largest = 0;
    const auto* values = reinterpret_cast<const qint16*>(samples.constData() + from);
    for (qsizetype i = 0; i < std::min(bytes, samples.size() - from) / 2; ++i)
        largest = std::max(largest, std::abs(int(values[i])));
    return largest / 32768.0;
}

TEST(ClipDecoder, DecodesEachClipWholeInOrderAndFailsOnlyTheBadOnes)
{
    // Built with AddressSanitizer, the decoder keeps what it frees in a
    // quarantine of up to 256 MB, which its peak memory would count.
    setenv("ASAN_OPTIONS", "quarantine_size_mb=16", 0);
    TempFolder folder;
    folder.write("corrupt.wma", testing::randomBytes(9000, 3));
    // A clip at 1 Hz would grow 44,100-fold; a playlist opens other files.
    folder.write("slow.wma", wav(1, 20000));
    folder.write("playlist.wma", "#EXTM3U\n#EXT-X-TARGETDURATION:10\n#EXTINF:1,\n" + shipped("correct.wma") +
                                     "\n#EXT-X-ENDLIST\n");
    folder.write("replaced.wma", wav(22050, 11025));
    std::filesystem::create_directory(folder / "folder.wma");
    // A FIFO nobody writes to would block whoever opens it.
    ASSERT_EQ(mkfifo((folder / "fifo.wma").c_str(), 0600), 0);

    // Half a second behind metadata the libraries would read whole into
    // memory: 60 pictures of 16 MiB, a leading ID3v2 tag or a WAV's LIST
    // chunk of 250 MB. A small picture stays; an ASF header over 1 MiB is
    // refused.
    ASSERT_EQ(std::system(("sox -n -r 22050 -c 1 '" + (folder / "half.flac").string() + "' synth 0.5 sine 440")
                              .c_str()),
              0);
    const std::string flac = contents((folder / "half.flac").string());
    const std::string wavHalf = wav(22050, 11025);
    constexpr std::uint32_t kLarge = 250'000'000;
    Pieces pictures{{flac.substr(0, 42), 0}};
    pictures.insert(pictures.end(), 60, flacPicture((1u << 24) - 1));
    pictures.push_back({flac.substr(42), 0});
    writeSparse(folder / "pictures.wma", pictures);
    writeSparse(folder / "picture.wma", {{flac.substr(0, 42), 0}, flacPicture(20000), {flac.substr(42), 0}});
    const std::string id3Header = std::string("ID3\x03\0\0", 6) + bigEndian(kLarge, 4, 7);
    writeSparse(folder / "tagged.wma", {{id3Header + "APIC" + bigEndian(kLarge - 10, 4) +
                                             std::string("\0\0\0image/png\0\x03\0", 15), kLarge - 23},
                                        {flac, 0}});
    writeSparse(folder / "listed.wma", {{wavHalf.substr(0, 12) + "LIST" + littleEndian(kLarge + 12) + "INFOICMT" +
                                             littleEndian(kLarge), kLarge},
                                        {wavHalf.substr(12), 0}});
    std::string emptyTag("ID3\x03\0\0\0\0\0\0", 10);
    std::string manyTags;
    for (int k = 0; k < 5000; ++k)
        manyTags += emptyTag;
    folder.write("many-tags.wma", manyTags + flac);  // no real clip: refused, not walked for ever
    std::string bigHeader = contents(shipped("correct.wma"));
    bigHeader.replace(16, 8, std::string("\0\0\x20\0\0\0\0\0", 8));
    folder.write("big-header.wma", bigHeader);
    // An Ogg FLAC clip keeps a small comment; 150 comment packets of just
    // under 1 MiB are over the bound together. A few MP3 frames and 256 MiB
    // of zeros are read past what the decoder may keep. The longest clip we
    // accept (95 s) plays whole under the decoder's memory cap.
    writeSparse(folder / "ogg.wma", oggFlac(flac, 1, 64));
    writeSparse(folder / "ogg-comments.wma", oggFlac(flac, 150, (1u << 20) - 64));
    writeSparse(folder / "zeros.wma", {{mp3Frames(8), 256 << 20}});
    folder.write("longest.wma", wav(8000, 95 * 8000));

    const Answers answers = decode(
        ORRINVALE_DECODER, {shipped("correct.wma"), (folder / "corrupt.wma").string(),
                            (folder / "missing.wma").string(), shipped("wrong.wma"), (folder / "folder.wma").string(),
                            (folder / "fifo.wma").string(), shipped("complete.wma"), (folder / "slow.wma").string(),
                            (folder / "playlist.wma").string(), (folder / "replaced.wma").string(),
                            (folder / "pictures.wma").string(), (folder / "picture.wma").string(),
                            (folder / "tagged.wma").string(), (folder / "listed.wma").string(),
                            (folder / "big-header.wma").string(), (folder / "many-tags.wma").string(),
                            (folder / "ogg.wma").string(), (folder / "ogg-comments.wma").string(),
                            (folder / "zeros.wma").string(), (folder / "longest.wma").string()});
    EXPECT_EQ(answers.order,
              (std::vector<std::size_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19}));
    for (int bad : {1, 2, 4, 5, 7, 8, 14, 15, 17, 18})
        EXPECT_TRUE(answers.samples[bad].isEmpty()) << bad;
    for (int half : {9, 10, 11, 12, 13, 16})
        EXPECT_EQ(answers.samples[half].size(), kClipSampleRate / 2 * kClipBytesPerFrame) << "a player's clip " << half;
    EXPECT_EQ(answers.samples[19].size(), 95 * kClipSampleRate * kClipBytesPerFrame);
    // The decoder stayed near its usual size (40 MB; more when built with
    // the sanitizers), far from the gigabyte of pictures, the comments'
    // 150 MB and the zeros' 256 MiB.
    rusage children{};
    ASSERT_EQ(getrusage(RUSAGE_CHILDREN, &children), 0);
    EXPECT_LT(children.ru_maxrss, 250 * 1024) << "kB";

    // Each clip whole: at least the length it was made with, and at most one
    // codec frame (2048 samples) longer; its first note from the start, at
    // the level it was made with, on both channels.
    constexpr double kBytesPerSecond = kClipSampleRate * kClipBytesPerFrame;
    constexpr double kOneFrame = 2048.0 / kClipSampleRate;
    const struct {
        int index;
        double seconds;
        double level;
    } clips[] = {{0, 0.60, 0.60}, {3, 0.45, 0.40}, {6, 1.86, 0.30}};
    for (const auto& clip : clips) {
        SCOPED_TRACE(clip.index);
        const QByteArray& samples = answers.samples[clip.index];
        const double seconds = samples.size() / kBytesPerSecond;
        EXPECT_GE(seconds, clip.seconds);
        EXPECT_LE(seconds, clip.seconds + kOneFrame);
        EXPECT_GT(peak(samples, 0, static_cast<qsizetype>(0.02 * kBytesPerSecond)), 0.1);
        EXPECT_NEAR(peak(samples, 0, samples.size()), clip.level, 0.1 * clip.level);
    }
}

TEST(ClipDecoder, EveryClipIsAnsweredOnceWhateverTheDecoderDoes)
{
    TempFolder folder;
    const std::vector<std::string> clips{shipped("correct.wma"), shipped("wrong.wma")};
    const std::string oneGoodRecord = "printf '\\003\\000\\000\\000\\000\\000\\000\\000abc'";
    struct Case {
        const char* name;
        std::string decoder;
        std::vector<QByteArray> samples;
    };
    const std::vector<Case> cases{
        {"missing", (folder / "no-such-decoder").string(), {{}, {}}},
        {"writes garbage", script(folder, "garbage", "printf 'this is no record'"), {{}, {}}},
        {"crashes after one record", script(folder, "crash", oneGoodRecord + "; kill -SEGV $$"), {"abc", {}}},
        {"hangs after one record", script(folder, "hang", oneGoodRecord + "; exec sleep 30"), {"abc", {}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QElapsedTimer took;
        took.start();
        const Answers answers = decode(c.decoder, clips, 500ms);
        EXPECT_EQ(answers.order, (std::vector<std::size_t>{0, 1}));
        EXPECT_EQ(answers.samples, c.samples);
        EXPECT_LT(took.elapsed(), 5000);
    }
}

TEST(ClipDecoder, AProcessEndedEarlyStopsItsDecoderAndAnswersNoMore)
{
    TempFolder folder;
    const std::string pidFile = (folder / "pid").string();
    int answers = 0;
    {
        // The script names itself only once its number is written in full.
        const std::string body = "echo $$ > '" + pidFile + ".new'; mv '" + pidFile + ".new' '" + pidFile +
                                 "'; exec sleep 30";
        ClipDecoderProcess process(script(folder, "hang", body), {shipped("wrong.wma")},
                                   [&](std::size_t, QByteArray) { ++answers; });
        QElapsedTimer waited;
        waited.start();
        while (!std::filesystem::exists(pidFile) && waited.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(answers, 0);
    QFile pid(QString::fromStdString(pidFile));
    ASSERT_TRUE(pid.open(QIODevice::ReadOnly));
    EXPECT_FALSE(std::filesystem::exists("/proc/" + pid.readAll().trimmed().toStdString() + "/cmdline"));
}

TEST(BuiltInClips, TheShippedClipsAreTheDecodersOwnOutputAndOnlyOtherClipsStartIt)
{
    const std::vector<std::string> clips{shipped("correct.wma"), shipped("wrong.wma"), shipped("complete.wma")};
    const Answers decoded = decode(ORRINVALE_DECODER, clips);
    for (std::size_t k = 0; k < clips.size(); ++k)
        EXPECT_EQ(builtInSamples(QString::fromStdString(clips[k])), decoded.samples[k]) << clips[k];

    PulseClipPlayer player(ORRINVALE_DECODER);
    player.prepare(clips);
    EXPECT_EQ(player.decoderStarts(), 0);
    EXPECT_TRUE(std::all_of(clips.begin(), clips.end(), [&](const auto& c) { return player.ready(c); }));

    // Replaced by other bytes of the same size, by a WAV, or missing: decoded
    // by the decoder as always, in one run.
    TempFolder folder;
    folder.write("sounds/correct.wma", testing::randomBytes(10044, 5));
    folder.write("sounds/wrong.wma", wav(22050, 11025));
    ASSERT_EQ(std::filesystem::file_size(clips[0]), 10044u);
    const std::vector<std::string> replaced{(folder / "sounds/correct.wma").string(),
                                            (folder / "sounds/wrong.wma").string(),
                                            (folder / "sounds/complete.wma").string()};
    player.prepare(replaced);
    EXPECT_EQ(player.decoderStarts(), 1);
    QElapsedTimer waited;
    waited.start();
    while (!player.ready(replaced[1]) && waited.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_TRUE(player.ready(replaced[1]));
    EXPECT_FALSE(player.ready(replaced[0]));
    EXPECT_FALSE(player.ready(replaced[2]));
}

} // namespace
} // namespace orrinvale
