// The clip decoder: a small program of its own that the quiz starts once to
// turn its sound clips into raw samples.
// The media libraries behind the decoding are large and parse whatever file
// lies in the sounds folder. In a process of their own, their memory is
// given back as soon as the clips are decoded, and a clip that makes them
// fail or hang cannot take the quiz with it.
//   orrinvale-decoder <clip>...
// Writes one record per clip, in order, to standard output.
#include "ClipRecords.h"
#include "ClipSampleFormat.h"

#include <QAudioBuffer>
#include <QAudioDecoder>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

namespace {

using orrinvale::clipRecord;
using orrinvale::kMaxClipBytes;

class Decoder {
public:
    explicit Decoder(QStringList clips) : clips_(std::move(clips)) {}

    void next()
    {
        decoder_.reset();
        if (clips_.isEmpty()) {
            QCoreApplication::quit();
            return;
        }
        const QFileInfo clip(clips_.takeFirst());
        if (!clip.isFile()) {
            finish(false);
            return;
        }
        samples_.clear();
        decoder_ = std::make_unique<QAudioDecoder>();
        decoder_->setAudioFormat(orrinvale::clipSampleFormat());
        decoder_->setSource(QUrl::fromLocalFile(clip.absoluteFilePath()));
        QAudioDecoder* decoder = decoder_.get();
        QObject::connect(decoder, &QAudioDecoder::bufferReady, decoder, [this, decoder] {
            if (decoder != decoder_.get())
                return;
            const QAudioBuffer buffer = decoder->read();
            const auto room = static_cast<qsizetype>(kMaxClipBytes) - static_cast<qsizetype>(samples_.size());
            samples_.append(buffer.constData<char>(), std::min<qsizetype>(buffer.byteCount(), room));
            if (static_cast<qint64>(samples_.size()) >= kMaxClipBytes)
                finish(true);  // the rest of an overlong clip is cut
        });
        // A decoder can report an error and then finish; the first ends the clip.
        QObject::connect(decoder, &QAudioDecoder::finished, decoder, [this, decoder] {
            if (decoder == decoder_.get())
                finish(true);
        });
        QObject::connect(decoder, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error), decoder,
                         [this, decoder] {
                             if (decoder == decoder_.get())
                                 finish(false);
                         });
        decoder->start();
    }

private:
    void finish(bool decoded)
    {
        const std::string record = clipRecord(decoded ? std::optional<std::string>(samples_) : std::nullopt);
        std::fwrite(record.data(), 1, record.size(), stdout);
        std::fflush(stdout);
        samples_.clear();
        // The decoder may not be deleted inside its own signal.
        if (decoder_) {
            decoder_->stop();
            decoder_.release()->deleteLater();
        }
        QMetaObject::invokeMethod(QCoreApplication::instance(), [this] { next(); }, Qt::QueuedConnection);
    }

    QStringList clips_;
    std::string samples_;
    std::unique_ptr<QAudioDecoder> decoder_;
};

} // namespace

int main(int argc, char* argv[])
{
#ifdef Q_OS_WIN
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    QCoreApplication app(argc, argv);
    // The quiz reads only the records: the media back end's complaints stay quiet.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia*=false"));
    Decoder decoder(QCoreApplication::arguments().mid(1));
    QMetaObject::invokeMethod(&app, [&decoder] { decoder.next(); }, Qt::QueuedConnection);
    return app.exec();
}
