// Plays the sound clips with Qt Multimedia at 37 per cent volume. A clip
// starts at once and never blocks; a new clip cuts the one playing; a clip
// that is missing or cannot be played is silent.
#pragma once

#include "Seams.h"

#include <memory>

class QMediaPlayer;
class QAudioOutput;

namespace orrinvale {

class MediaClipPlayer : public ClipPlayer {
public:
    MediaClipPlayer();
    ~MediaClipPlayer() override;

    // Builds the media back end. It costs tens of milliseconds, so the
    // program calls this after the window's first paint.
    void prepare();
    // Keeps the media back end's complaints about missing devices and
    // unplayable clips off the terminal: a failed clip is simply silent.
    static void silenceMediaWarnings();
    void play(const std::string& path) override;

private:
    void reset();

    std::unique_ptr<QAudioOutput> output_;
    std::unique_ptr<QMediaPlayer> player_;
    bool failed_ = false;
};

} // namespace orrinvale
