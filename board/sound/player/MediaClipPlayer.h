// Plays the sound clips with Qt Multimedia at 37 per cent volume. A clip
// starts at once and never blocks; a new clip cuts the one playing; a clip
// that is missing or cannot be played is silent.
//
// Each clip is decoded once into samples, by the clip decoder program (the
// shipped clips were decoded by the build), and played through an audio
// stream of its own. Short clips played as media
// sources lose their first few hundred milliseconds while the media pipeline
// starts; samples in memory start at once.
#pragma once

#include "Platform.h"

#include <QBuffer>
#include <QByteArray>

#include <map>
#include <memory>
#include <string>
#include <vector>

class QAudioSink;

namespace orrinvale {

class ClipDecoderProcess;

class MediaClipPlayer : public ClipPlayer {
public:
    // `decoder` is the clip decoder program.
    explicit MediaClipPlayer(std::string decoder);
    ~MediaClipPlayer() override;

    // Decodes the given clips ahead of their first turn, all in one run of
    // the decoder; the shipped clips need none.
    void prepare(const std::vector<std::string>& clips);
    void play(const std::string& path) override;
    // How many times the decoder was started.
    int decoderStarts() const { return decoderStarts_; }
    // True once the clip's samples are there to play.
    bool ready(const std::string& path) const
    {
        const auto it = clips_.find(path);
        return it != clips_.end() && !it->second.samples.isEmpty();
    }

    // Keeps the media back end's complaints about missing devices off the
    // terminal: a clip that cannot be played is simply silent.
    static void silenceMediaWarnings();

private:
    struct Clip {
        QByteArray samples;
        bool decoding = false;
        bool playWhenDecoded = false;
    };
    void decode(const std::vector<std::string>& paths);
    void start(Clip& clip);
    void stopPlaying();

    std::string decoder_;
    std::vector<std::unique_ptr<ClipDecoderProcess>> runs_;
    std::unique_ptr<QBuffer> buffer_;
    std::unique_ptr<QAudioSink> sink_;
    std::map<std::string, Clip> clips_;
    int decoderStarts_ = 0;
};

} // namespace orrinvale
