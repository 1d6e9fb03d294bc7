// Plays decoded clips through the sound server with PulseAudio's client
// library, on a main loop of its own thread. One clip sounds at a time: a
// new one cuts the one playing. The window's thread never waits on the
// server: it takes the loop's lock, which the loop's thread holds only while
// it handles what has arrived, never while it waits for the server.
//
// Each clip is a stream of its own, made when it is asked for and ended
// once the server has played it out (measured: as quick to be heard as a
// sample in the server's cache, and nothing to upload again when the server
// starts afresh). A stream cut while the server is still making it is
// ended as soon as the server has made it: none is left on the server.
//
// Without a server, the clips are silent and one line says so on standard
// error. A server that goes away leaves the clips silent until the next one
// is asked for, which connects again: no retrying in between, no thread per
// attempt. A clip asked for while connecting plays once connected.
#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <vector>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

namespace orrinvale {

class PulseOutput {
public:
    // 44.1 kHz, two interleaved channels of signed 16-bit little-endian
    // samples, as the clip records hold them; a whole number of frames.
    using Samples = std::shared_ptr<const std::string>;

    // Starts the loop's thread and connects to the server, without waiting.
    PulseOutput();
    // Ends the stream, the connection and the thread; waits on nothing the
    // server does.
    ~PulseOutput();
    PulseOutput(const PulseOutput&) = delete;
    PulseOutput& operator=(const PulseOutput&) = delete;

    void play(Samples samples);

private:
    static void contextChanged(pa_context* context, void* self);
    static void writable(pa_stream* stream, std::size_t bytes, void* self);
    static void drained(pa_stream* stream, int success, void* self);
    static void cutStreamChanged(pa_stream* stream, void* self);

    // Called with the loop's lock held.
    void connect();
    void disconnect();
    void startStream(Samples samples);
    void endStream();
    void dropCutStreams();
    void reportNoServer();

    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    std::chrono::steady_clock::time_point connectStarted_;
    pa_stream* stream_ = nullptr;
    Samples playing_;         // what stream_ plays
    std::size_t written_ = 0;  // how much of it has gone to the server
    Samples waiting_;         // asked for while connecting
    // Streams cut while the server was still making them: it cannot be told
    // to end a stream it has not yet said it made, so each is ended as soon
    // as it is ready. Each holds a reference of ours until it has ended.
    std::vector<pa_stream*> cut_;
    bool reported_ = false;   // the one line on standard error
};

} // namespace orrinvale
