#include "MediaClipPlayer.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QMediaPlayer>
#include <QUrl>

namespace orrinvale {

namespace {

constexpr float kVolume = 0.37f;
QtMessageHandler previousHandler = nullptr;

void dropMediaMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const bool fromMedia = (context.category && qstrncmp(context.category, "qt.multimedia", 13) == 0) ||
                           message.startsWith(QLatin1String("PulseAudioService"));
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

MediaClipPlayer::MediaClipPlayer() = default;
MediaClipPlayer::~MediaClipPlayer() = default;

void MediaClipPlayer::reset()
{
    player_.reset();
    output_ = std::make_unique<QAudioOutput>();
    output_->setVolume(kVolume);
    output_->setMuted(false);
    player_ = std::make_unique<QMediaPlayer>();
    player_->setAudioOutput(output_.get());
    player_->setLoops(1);
    player_->setPlaybackRate(1.0);
    failed_ = false;
    // After a source fails, the back end may refuse the next good one too,
    // so a failed player is replaced before the next clip.
    QObject::connect(player_.get(), &QMediaPlayer::errorOccurred, player_.get(),
                     [this](QMediaPlayer::Error, const QString&) { failed_ = true; });
}

void MediaClipPlayer::prepare()
{
    if (!player_)
        reset();
}

void MediaClipPlayer::play(const std::string& path)
{
    if (!player_ || failed_)
        reset();
    const QString file = QString::fromStdString(path);
    // Replaying a finished source on the same player can stall, so the source
    // is cleared before every clip.
    player_->stop();
    player_->setSource(QUrl());
    if (!QFileInfo(file).isFile())
        return;
    player_->setSource(QUrl::fromLocalFile(file));
    player_->play();
}

} // namespace orrinvale
