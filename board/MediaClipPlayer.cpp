#include "MediaClipPlayer.h"

#include <QAudioBuffer>
#include <QAudioDecoder>
#include <QAudioSink>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QUrl>

namespace orrinvale {

namespace {

constexpr float kVolume = 0.37f;
constexpr qint64 kMaxClipBytes = 16 * 1024 * 1024;  // a clip longer than this is cut
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

MediaClipPlayer::MediaClipPlayer()
{
    format_.setSampleRate(44100);
    format_.setChannelCount(2);
    format_.setSampleFormat(QAudioFormat::Int16);
}

MediaClipPlayer::~MediaClipPlayer()
{
    stopPlaying();
}

void MediaClipPlayer::stopPlaying()
{
    if (sink_)
        sink_->stop();
    sink_.reset();
    buffer_.reset();
}

void MediaClipPlayer::prepare(const std::vector<std::string>& clips)
{
    for (const std::string& path : clips)
        decode(path);
}

MediaClipPlayer::Clip& MediaClipPlayer::decode(const std::string& path)
{
    auto found = clips_.find(path);
    if (found != clips_.end())
        return found->second;
    Clip& clip = clips_[path];
    const QString file = QString::fromStdString(path);
    if (!QFileInfo(file).isFile())
        return clip;
    clip.decoder = std::make_unique<QAudioDecoder>();
    QAudioDecoder* decoder = clip.decoder.get();
    decoder->setAudioFormat(format_);
    decoder->setSource(QUrl::fromLocalFile(file));
    Clip* target = &clip;
    QObject::connect(decoder, &QAudioDecoder::bufferReady, decoder, [target, decoder] {
        const QAudioBuffer buffer = decoder->read();
        if (target->samples.size() + buffer.byteCount() <= kMaxClipBytes)
            target->samples.append(buffer.constData<char>(), buffer.byteCount());
    });
    auto finish = [this, target] {
        // A decoder can report an error and then finish; the first ends it.
        if (!target->decoder)
            return;
        // The decoder may not be deleted inside its own signal.
        target->decoder.release()->deleteLater();
        if (target->playWhenDecoded) {
            target->playWhenDecoded = false;
            start(*target);
        }
    };
    QObject::connect(decoder, &QAudioDecoder::finished, decoder, finish);
    QObject::connect(decoder, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error), decoder, [target, finish] {
        target->samples.clear();  // a clip that cannot be decoded stays silent
        finish();
    });
    decoder->start();
    return clip;
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
    sink_ = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), format_);
    sink_->setVolume(kVolume);
    sink_->start(buffer_.get());
}

void MediaClipPlayer::play(const std::string& path)
{
    stopPlaying();  // a new clip cuts the one playing
    for (auto& [other, clip] : clips_)
        clip.playWhenDecoded = false;
    Clip& clip = decode(path);
    if (clip.decoder)
        clip.playWhenDecoded = true;  // starts as soon as it is decoded
    else
        start(clip);
}

} // namespace orrinvale
