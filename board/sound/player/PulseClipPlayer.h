// Plays the sound clips at 37 per cent volume through the sound server
// (PulseOutput). A clip starts at once and never blocks; a new clip cuts the
// one playing; a clip that is missing or cannot be played is silent.
//
// Each clip is decoded once into samples, by the clip decoder program (the
// shipped clips were decoded by the build), and kept at the clip's volume,
// so the server plays them as they are: the volume is the clip's own, never
// the server's or another program's.
#pragma once

#include "Platform.h"
#include "PulseOutput.h"

#include <QByteArray>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace orrinvale {

class ClipDecoderProcess;

// The samples at 37 per cent of their level, cut to whole frames.
PulseOutput::Samples atClipVolume(const QByteArray& samples);

class PulseClipPlayer : public ClipPlayer {
public:
    // `decoder` is the clip decoder program.
    explicit PulseClipPlayer(std::string decoder);
    ~PulseClipPlayer() override;

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
        return it != clips_.end() && it->second.samples;
    }

private:
    struct Clip {
        PulseOutput::Samples samples;
        bool decoding = false;
        bool playWhenDecoded = false;
    };
    void decode(const std::vector<std::string>& paths);

    std::string decoder_;
    std::vector<std::unique_ptr<ClipDecoderProcess>> runs_;
    std::map<std::string, Clip> clips_;
    int decoderStarts_ = 0;
    PulseOutput output_;
};

} // namespace orrinvale
