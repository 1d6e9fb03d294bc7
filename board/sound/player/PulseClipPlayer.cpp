#include "PulseClipPlayer.h"

#include "BuiltInClips.h"
#include "ClipDecoderProcess.h"
#include "ClipRecords.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace orrinvale {

namespace {
// The clips' volume, in their own samples: the server's and other programs'
// volumes are left alone.
constexpr int kClipVolumePercent = 37;
} // namespace

PulseOutput::Samples atClipVolume(const QByteArray& samples)
{
    if (samples.isEmpty())
        return nullptr;
    const auto frames = static_cast<std::size_t>(samples.size()) / kClipBytesPerFrame;
    auto scaled = std::make_shared<std::string>(frames * kClipBytesPerFrame, '\0');
    for (std::size_t i = 0; i < scaled->size(); i += 2) {
        std::int16_t sample;
        std::memcpy(&sample, samples.constData() + i, 2);
        sample = static_cast<std::int16_t>(sample * kClipVolumePercent / 100);
        std::memcpy(scaled->data() + i, &sample, 2);
    }
    return scaled;
}

PulseClipPlayer::PulseClipPlayer(std::string decoder) : decoder_(std::move(decoder)) {}

// The decoder runs end before the output, which they may hand clips to.
PulseClipPlayer::~PulseClipPlayer() { runs_.clear(); }

void PulseClipPlayer::prepare(const std::vector<std::string>& clips)
{
    std::vector<std::string> fresh;
    for (const std::string& path : clips) {
        if (!clips_.contains(path) && std::find(fresh.begin(), fresh.end(), path) == fresh.end())
            fresh.push_back(path);
    }
    decode(fresh);
}

void PulseClipPlayer::decode(const std::vector<std::string>& asked)
{
    // The shipped clips, byte for byte, are there decoded already; the
    // decoder starts only for the others.
    std::vector<std::string> paths;
    for (const std::string& path : asked) {
        if (PulseOutput::Samples samples = atClipVolume(builtInSamples(QString::fromStdString(path))))
            clips_[path].samples = std::move(samples);
        else
            paths.push_back(path);
    }
    if (paths.empty())
        return;
    std::erase_if(runs_, [](const auto& run) { return run->done(); });
    for (const std::string& path : paths)
        clips_[path].decoding = true;
    ++decoderStarts_;
    runs_.push_back(std::make_unique<ClipDecoderProcess>(
        decoder_, paths, [this, paths](std::size_t index, QByteArray samples) {
            Clip& clip = clips_[paths[index]];
            clip.samples = atClipVolume(samples);
            clip.decoding = false;
            if (clip.playWhenDecoded) {
                clip.playWhenDecoded = false;
                output_.play(clip.samples);
            }
        }));
}

void PulseClipPlayer::play(const std::string& path)
{
    for (auto& [other, clip] : clips_)
        clip.playWhenDecoded = false;
    if (!clips_.contains(path))
        decode({path});
    Clip& clip = clips_[path];
    if (clip.decoding) {
        output_.play(nullptr);  // the one playing is cut all the same
        clip.playWhenDecoded = true;  // starts as soon as it is decoded
    } else {
        output_.play(clip.samples);
    }
}

} // namespace orrinvale
