#include "ClipDecoderProcess.h"

namespace orrinvale {

ClipDecoderProcess::ClipDecoderProcess(const std::string& decoder, const std::vector<std::string>& clips,
                                       Decoded decoded, std::chrono::milliseconds timeLimit)
    : decoded_(std::move(decoded)), clips_(clips.size())
{
    QStringList arguments;
    for (const std::string& clip : clips)
        arguments << QString::fromStdString(clip);
    process_.setStandardInputFile(QProcess::nullDevice());
    process_.setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(&process_, &QProcess::readyReadStandardOutput, [this] { readRecords(); });
    QObject::connect(&process_, &QProcess::finished, [this] {
        readRecords();
        end();
    });
    QObject::connect(&process_, &QProcess::errorOccurred, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            end();
    });
    timeLimit_.setSingleShot(true);
    QObject::connect(&timeLimit_, &QTimer::timeout, [this] { process_.kill(); });
    timeLimit_.start(timeLimit);
    process_.start(QString::fromStdString(decoder), arguments);
}

ClipDecoderProcess::~ClipDecoderProcess()
{
    process_.disconnect();
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(1000);
    }
}

void ClipDecoderProcess::readRecords()
{
    const QByteArray bytes = process_.readAllStandardOutput();
    reader_.feed(bytes.constData(), static_cast<std::size_t>(bytes.size()), [this](std::optional<std::string> samples) {
        if (next_ < clips_)
            decoded_(next_++, samples ? QByteArray::fromStdString(*samples) : QByteArray());
    });
}

// Whatever the decoder did not answer stays silent.
void ClipDecoderProcess::end()
{
    timeLimit_.stop();
    while (next_ < clips_)
        decoded_(next_++, QByteArray());
}

} // namespace orrinvale
