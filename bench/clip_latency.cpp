// Measures how long a sound takes to be heard: from a trigger to the first
// sample over the noise (1 per cent of full scale) at a PulseAudio monitor
// source, recorded by parec in pieces of 5 ms. Each sample's moment is its
// piece's arrival less the samples after it in the piece, so the recorder's
// own delay counts alike for every trigger measured the same way.
//   clip_latency <runs> <monitor source> <prepare> <trigger>
// `prepare` and `trigger` are shell commands. Before each run `prepare` runs
// untimed and the monitor must be quiet for 0.3 s; then `trigger` starts,
// timed from its start. The trigger `release` is no command: the tool
// itself releases the pointer's first button on the X display, through the
// XTest extension, timed from the moment it sends the release (a command
// such as xdotool would add its own start and stop, longer than what it
// triggers). The sound must end before the next run. Prints each run's
// milliseconds on a line of its own; a run not heard within 5 s prints -1.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;
constexpr double kRate = 44100;
constexpr int kLoud = 328;  // 1 per cent of full scale

pid_t spawnShell(const std::string& command, int outputFd = -1)
{
    const pid_t pid = fork();
    if (pid == 0) {
        if (outputFd >= 0)
            dup2(outputFd, STDOUT_FILENO);
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

class Monitor {
public:
    explicit Monitor(const std::string& source)
    {
        int fds[2];
        if (pipe(fds) != 0)
            std::exit(2);
        pid_ = spawnShell("exec parec --latency-msec=5 -d '" + source +
                              "' --format=s16le --rate=44100 --channels=1",
                          fds[1]);
        close(fds[1]);
        fd_ = fds[0];
    }
    ~Monitor()
    {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
        close(fd_);
    }

    // Reads what arrives within `waitMs`; returns the moment of the first
    // loud sample in it, if any.
    std::optional<Clock::time_point> read(int waitMs)
    {
        pollfd p{fd_, POLLIN, 0};
        if (poll(&p, 1, waitMs) <= 0)
            return std::nullopt;
        const auto arrived = Clock::now();
        std::int16_t samples[4096];
        const ssize_t bytes = ::read(fd_, samples, sizeof samples);
        const auto count = bytes > 0 ? static_cast<std::size_t>(bytes) / 2 : 0;
        for (std::size_t i = 0; i < count; ++i) {
            if (std::abs(int(samples[i])) > kLoud)
                return arrived - std::chrono::duration_cast<Clock::duration>(
                                     std::chrono::duration<double>((count - i) / kRate));
        }
        return std::nullopt;
    }

    // Waits until nothing loud has arrived for `quietSeconds`, at most 10 s.
    bool waitForQuiet(double quietSeconds)
    {
        const auto limit = Clock::now() + std::chrono::seconds(10);
        auto lastLoud = Clock::now();
        while (Clock::now() < limit) {
            if (read(10))
                lastLoud = Clock::now();
            if (std::chrono::duration<double>(Clock::now() - lastLoud).count() >= quietSeconds)
                return true;
        }
        return false;
    }

private:
    pid_t pid_;
    int fd_;
};

// One run: the milliseconds from the trigger to the first loud sample.
double measure(Monitor& monitor, const std::string& trigger, Display* display)
{
    const auto t0 = Clock::now();
    pid_t child = -1;
    if (display) {
        XTestFakeButtonEvent(display, 1, False, CurrentTime);
        XFlush(display);
    } else {
        child = spawnShell(trigger);
    }
    std::optional<Clock::time_point> heard;
    const auto limit = t0 + std::chrono::seconds(5);
    while (!heard && Clock::now() < limit)
        heard = monitor.read(1);
    if (child > 0)
        waitpid(child, nullptr, 0);
    if (!heard)
        return -1;
    return std::chrono::duration<double, std::milli>(*heard - t0).count();
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: clip_latency <runs> <monitor source> <prepare> <trigger>\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    Display* display = nullptr;
    if (std::strcmp(argv[4], "release") == 0 && !(display = XOpenDisplay(nullptr))) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    Monitor monitor(argv[2]);
    for (int run = 0; run < runs; ++run) {
        if (std::system(argv[3]) != 0)
            return 1;
        monitor.waitForQuiet(0.3);
        std::printf("%.2f\n", measure(monitor, argv[4], display));
        std::fflush(stdout);
        monitor.waitForQuiet(0.3);
    }
    if (display)
        XCloseDisplay(display);
    return 0;
}
