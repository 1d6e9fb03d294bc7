// Runs the clip decoder program on a list of clips and hands back each
// clip's samples as its record arrives. Every clip gets exactly one answer:
// its samples, or none when the decoder cannot be started, fails, writes
// something unreadable, or is still at work when the time is up.
#pragma once

#include "ClipRecords.h"

#include <QByteArray>
#include <QProcess>
#include <QTimer>

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace orrinvale {

class ClipDecoderProcess {
public:
    // Called once per clip, in order; `samples` is empty for a clip that
    // could not be decoded.
    using Decoded = std::function<void(std::size_t clip, QByteArray samples)>;

    ClipDecoderProcess(const std::string& decoder, const std::vector<std::string>& clips, Decoded decoded,
                       std::chrono::milliseconds timeLimit = std::chrono::seconds(20));
    // Stops a decoder still at work, without any more answers.
    ~ClipDecoderProcess();

    bool done() const { return next_ == clips_; }

private:
    void readRecords();
    void end();

    QProcess process_;
    QTimer timeLimit_;
    ClipRecordReader reader_;
    Decoded decoded_;
    std::size_t clips_;
    std::size_t next_ = 0;
};

} // namespace orrinvale
