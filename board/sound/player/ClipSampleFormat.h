// The samples the clip decoder writes and the player plays: 44.1 kHz, two
// channels of 16 bits.
#pragma once

#include <QAudioFormat>

namespace orrinvale {

inline QAudioFormat clipSampleFormat()
{
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

} // namespace orrinvale
