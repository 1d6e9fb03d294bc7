// Plays the sound clips with Qt Multimedia at 37 per cent volume. A clip
// starts at once and never blocks; a new clip cuts the one playing; a clip
// that is missing or cannot be played is silent.
//
// Each clip is decoded once into samples and played through an audio stream
// of its own. Short clips played as media sources lose their first few
// hundred milliseconds while the media pipeline starts; samples in memory
// start at once.
#pragma once

#include "Seams.h"

#include <QAudioFormat>
#include <QBuffer>
#include <QByteArray>

#include <map>
#include <memory>
#include <string>
#include <vector>

class QAudioDecoder;
class QAudioSink;

namespace orrinvale {

class MediaClipPlayer : public ClipPlayer {
public:
    MediaClipPlayer();
    ~MediaClipPlayer() override;

    // Decodes the given clips ahead of their first turn.
    void prepare(const std::vector<std::string>& clips);
    void play(const std::string& path) override;

    // Keeps the media back end's complaints about missing devices and
    // unplayable clips off the terminal: a failed clip is simply silent.
    static void silenceMediaWarnings();

private:
    struct Clip {
        QByteArray samples;
        std::unique_ptr<QAudioDecoder> decoder;  // while decoding
        bool playWhenDecoded = false;
    };
    Clip& decode(const std::string& path);
    void start(Clip& clip);
    void stopPlaying();

    QAudioFormat format_;
    std::unique_ptr<QBuffer> buffer_;
    std::unique_ptr<QAudioSink> sink_;
    std::map<std::string, Clip> clips_;
};

} // namespace orrinvale
