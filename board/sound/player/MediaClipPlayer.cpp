#include "MediaClipPlayer.h"

#include "BuiltInClips.h"
#include "ClipDecoderProcess.h"
#include "ClipSampleFormat.h"

#include <QAudioSink>
#include <QLoggingCategory>
#include <QMediaDevices>

#include <algorithm>

namespace orrinvale {

namespace {

constexpr float kVolume = 0.37f;
QtMessageHandler previousHandler = nullptr;

void dropMediaMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const bool fromMedia = (context.category && qstrncmp(context.category, "qt.multimedia", 13) == 0) ||
                           message.startsWith(QLatin1String("PulseAudioService")) ||
                           message == QLatin1String("No audio device detected");
    if (fromMedia && type != QtFatalMsg)
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

void MediaClipPlayer::silenceMediaWarnings()
{
    QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia*=false"));
    previousHandler = qInstallMessageHandler(dropMediaMessages);
}

MediaClipPlayer::MediaClipPlayer(std::string decoder) : decoder_(std::move(decoder)) {}

MediaClipPlayer::~MediaClipPlayer()
{
    runs_.clear();
    stopPlaying();
}

void MediaClipPlayer::stopPlaying()
{
    // Dropping what the stream still holds first: a stream that is only
    // stopped plays out its buffer (Qt 6.8 on PulseAudio) over the next clip.
    if (sink_) {
        sink_->reset();
        sink_->stop();
    }
    sink_.reset();
    buffer_.reset();
}

void MediaClipPlayer::prepare(const std::vector<std::string>& clips)
{
    std::vector<std::string> fresh;
    for (const std::string& path : clips) {
        if (!clips_.contains(path) && std::find(fresh.begin(), fresh.end(), path) == fresh.end())
            fresh.push_back(path);
    }
    decode(fresh);
}

void MediaClipPlayer::decode(const std::vector<std::string>& asked)
{
    // The shipped clips, byte for byte, are there decoded already; the
    // decoder starts only for the others.
    std::vector<std::string> paths;
    for (const std::string& path : asked) {
        QByteArray samples = builtInSamples(QString::fromStdString(path));
        if (samples.isEmpty())
            paths.push_back(path);
        else
            clips_[path].samples = std::move(samples);
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
            clip.samples = std::move(samples);
            clip.decoding = false;
            if (clip.playWhenDecoded) {
                clip.playWhenDecoded = false;
                start(clip);
            }
        }));
}

void MediaClipPlayer::start(Clip& clip)
{
    if (clip.samples.isEmpty())
        return;
    // A fresh stream for every clip: restarting a stopped one loses part of
    // the next clip.
    stopPlaying();
    buffer_ = std::make_unique<QBuffer>();
    buffer_->setData(clip.samples);
    buffer_->open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), clipSampleFormat());
    sink_->setVolume(kVolume);
    sink_->start(buffer_.get());
}

void MediaClipPlayer::play(const std::string& path)
{
    stopPlaying();  // a new clip cuts the one playing
    for (auto& [other, clip] : clips_)
        clip.playWhenDecoded = false;
    if (!clips_.contains(path))
        decode({path});
    Clip& clip = clips_[path];
    if (clip.decoding)
        clip.playWhenDecoded = true;  // starts as soon as it is decoded
    else
        start(clip);
}

} // namespace orrinvale
