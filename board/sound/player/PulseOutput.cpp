#include "PulseOutput.h"

#include "ClipRecords.h"

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace orrinvale {

namespace {

constexpr pa_sample_spec kClipSpec{PA_SAMPLE_S16LE, kClipSampleRate, kClipChannels};
// What the server keeps ahead of the sound card for a clip: small, so a
// clip starts at once, and room enough for a loaded machine to keep up.
constexpr pa_usec_t kTargetLatency = 50'000;
// A connection that has not been answered within this time, when the next
// clip is asked for, is given up for a new one: a server that accepted the
// connection and never answers is not waited on for ever.
constexpr auto kConnectPatience = std::chrono::seconds(3);

// Holds the loop's lock for a scope.
class Locked {
public:
    explicit Locked(pa_threaded_mainloop* loop) : loop_(loop) { pa_threaded_mainloop_lock(loop_); }
    ~Locked() { pa_threaded_mainloop_unlock(loop_); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;

private:
    pa_threaded_mainloop* loop_;
};

} // namespace

PulseOutput::PulseOutput()
{
    loop_ = pa_threaded_mainloop_new();
    if (!loop_)
        return;
    pa_threaded_mainloop_set_name(loop_, "orrinvale-sound");
    if (pa_threaded_mainloop_start(loop_) < 0) {
        pa_threaded_mainloop_free(loop_);
        loop_ = nullptr;
        return;
    }
    const Locked locked(loop_);
    connect();
}

PulseOutput::~PulseOutput()
{
    if (!loop_)
        return;
    {
        const Locked locked(loop_);
        endStream();
        disconnect();
    }
    pa_threaded_mainloop_stop(loop_);
    pa_threaded_mainloop_free(loop_);
}

void PulseOutput::play(Samples samples)
{
    if (!loop_)
        return;
    const Locked locked(loop_);
    endStream();  // a new clip cuts the one playing
    waiting_.reset();
    if (!samples || samples->empty())
        return;
    const pa_context_state_t state = context_ ? pa_context_get_state(context_) : PA_CONTEXT_FAILED;
    if (state == PA_CONTEXT_READY) {
        startStream(std::move(samples));
        return;
    }
    waiting_ = std::move(samples);
    // A connection lost or never made is made again now, once for this
    // clip; one still being made is given a while before it is replaced.
    if (!PA_CONTEXT_IS_GOOD(state) || std::chrono::steady_clock::now() - connectStarted_ > kConnectPatience)
        connect();
}

void PulseOutput::connect()
{
    disconnect();
    pa_mainloop_api* api = pa_threaded_mainloop_get_api(loop_);
    context_ = pa_context_new(api, "Orrinvale");
    if (!context_)
        return;
    connectStarted_ = std::chrono::steady_clock::now();
    pa_context_set_state_callback(context_, &PulseOutput::contextChanged, this);
    // Never starts a server of its own: without one the clips are silent.
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        reportNoServer();
}

void PulseOutput::disconnect()
{
    if (!context_)
        return;
    // Closing the connection ends every stream of it on the server.
    dropCutStreams();
    pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
}

void PulseOutput::contextChanged(pa_context* context, void* self)
{
    auto* output = static_cast<PulseOutput*>(self);
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
        if (output->waiting_)
            output->startStream(std::exchange(output->waiting_, {}));
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        // The context is left as it is until the next clip replaces it:
        // it may not be freed from within its own callback.
        output->endStream();
        output->waiting_.reset();
        output->reportNoServer();
        break;
    default:
        break;
    }
}

void PulseOutput::startStream(Samples samples)
{
    stream_ = pa_stream_new(context_, "Clip", &kClipSpec, nullptr);
    if (!stream_)
        return;
    playing_ = std::move(samples);
    written_ = 0;
    pa_stream_set_write_callback(stream_, &PulseOutput::writable, this);
    pa_buffer_attr attributes{};
    attributes.maxlength = static_cast<std::uint32_t>(-1);
    attributes.tlength = static_cast<std::uint32_t>(pa_usec_to_bytes(kTargetLatency, &kClipSpec));
    attributes.prebuf = static_cast<std::uint32_t>(-1);
    attributes.minreq = static_cast<std::uint32_t>(-1);
    attributes.fragsize = static_cast<std::uint32_t>(-1);
    if (pa_stream_connect_playback(stream_, nullptr, &attributes, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0)
        endStream();
}

// Hands the server what it asks for; once the whole clip is there, asks to
// hear when it has been played out (which also starts a clip shorter than
// the server's start threshold).
void PulseOutput::writable(pa_stream* stream, std::size_t bytes, void* self)
{
    auto* output = static_cast<PulseOutput*>(self);
    if (stream != output->stream_ || !output->playing_)
        return;
    const std::string& samples = *output->playing_;
    if (output->written_ == samples.size())
        return;
    const std::size_t take = std::min(bytes, samples.size() - output->written_);
    pa_stream_write(stream, samples.data() + output->written_, take, nullptr, 0, PA_SEEK_RELATIVE);
    output->written_ += take;
    if (output->written_ == samples.size()) {
        if (pa_operation* drain = pa_stream_drain(stream, &PulseOutput::drained, self))
            pa_operation_unref(drain);
    }
}

// A clip played out ends its stream, so no idle stream keeps the sound card
// awake. A stream ended before that cancels its drain, and with it this call.
void PulseOutput::drained(pa_stream* stream, int /*success*/, void* self)
{
    auto* output = static_cast<PulseOutput*>(self);
    if (stream == output->stream_)
        output->endStream();
}

void PulseOutput::endStream()
{
    if (!stream_)
        return;
    pa_stream* stream = std::exchange(stream_, nullptr);
    playing_.reset();
    pa_stream_set_write_callback(stream, nullptr, nullptr);
    if (pa_stream_get_state(stream) == PA_STREAM_CREATING) {
        // A stream the server is still making cannot be ended yet: left as
        // it was, it would stay on the server, silent, for as long as the
        // quiz runs, and enough of them refuse every program's sound.
        pa_stream_set_state_callback(stream, &PulseOutput::cutStreamChanged, this);
        cut_.push_back(stream);
        return;
    }
    pa_stream_disconnect(stream);
    pa_stream_unref(stream);
}

// A cut stream the server has now made is ended; one that has ended (or
// failed, or was never made) is let go.
void PulseOutput::cutStreamChanged(pa_stream* stream, void* self)
{
    auto* output = static_cast<PulseOutput*>(self);
    switch (pa_stream_get_state(stream)) {
    case PA_STREAM_READY:
        pa_stream_disconnect(stream);
        break;
    case PA_STREAM_FAILED:
    case PA_STREAM_TERMINATED:
        // The library holds the stream through its own callback.
        pa_stream_set_state_callback(stream, nullptr, nullptr);
        std::erase(output->cut_, stream);
        pa_stream_unref(stream);
        break;
    default:
        break;
    }
}

void PulseOutput::dropCutStreams()
{
    for (pa_stream* stream : cut_) {
        pa_stream_set_state_callback(stream, nullptr, nullptr);
        pa_stream_unref(stream);
    }
    cut_.clear();
}

void PulseOutput::reportNoServer()
{
    if (reported_)
        return;
    reported_ = true;
    std::fprintf(stderr, "orrinvale: no sound server (%s); the clips are silent\n",
                 pa_strerror(context_ ? pa_context_errno(context_) : PA_ERR_UNKNOWN));
}

} // namespace orrinvale
