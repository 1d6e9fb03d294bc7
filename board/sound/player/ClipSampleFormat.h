// The samples the clip decoder writes, as the player hands them to Qt.
#pragma once

#include "ClipRecords.h"

#include <QAudioFormat>

namespace orrinvale {

inline QAudioFormat clipSampleFormat()
{
    QAudioFormat format;
    format.setSampleRate(kClipSampleRate);
    format.setChannelCount(kClipChannels);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

} // namespace orrinvale
