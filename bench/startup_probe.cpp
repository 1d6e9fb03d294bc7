// Starts a program under the running X server and measures, from outside,
// the time from launch to the first frame of its window (the first moment
// its centre pixel is no longer the black of an unpainted window), its peak
// resident memory once it has settled, and the peak of its memory together
// with that of the programs it starts, shared pages counted once (sampled
// every 5 ms).
//   startup_probe <settle seconds> <program> [arguments...]
// Prints: <milliseconds to first frame> <peak resident kilobytes>
//         <peak kilobytes with its child processes>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

long statusKb(pid_t pid, const std::string& field)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0)
            return std::strtol(line.c_str() + field.size(), nullptr, 10);
    }
    return 0;
}

// The memory of a process and of all its descendants, with each page they
// share counted once (the sum of their proportional set sizes).
long familyPssKb(pid_t pid)
{
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    long kb = 0;
    for (std::string line; std::getline(rollup, line);) {
        if (line.rfind("Pss:", 0) == 0)
            kb = std::strtol(line.c_str() + 4, nullptr, 10);
    }
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        std::ifstream children(task.path() / "children");
        pid_t child = 0;
        while (children >> child)
            kb += familyPssKb(child);
    }
    return kb;
}

class FamilyPeak {
public:
    explicit FamilyPeak(pid_t pid) : pid_(pid) {}
    void sample() { peak_ = std::max(peak_, familyPssKb(pid_)); }
    // Samples every 5 ms for the given time.
    void sampleFor(std::chrono::duration<double> time)
    {
        const auto end = Clock::now() + time;
        while (Clock::now() < end) {
            sample();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    long peak() const { return peak_; }

private:
    pid_t pid_;
    long peak_ = 0;
};

bool painted(Display* display, Window window)
{
    XWindowAttributes a;
    if (!XGetWindowAttributes(display, window, &a) || a.map_state != IsViewable)
        return false;
    XImage* image = XGetImage(display, window, a.width / 2, a.height / 2, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return false;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    return (pixel & 0xFFFFFF) != 0;
}

int ignoreErrors(Display*, XErrorEvent*) { return 0; }

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_probe <settle seconds> <program> [arguments...]\n");
        return 2;
    }
    const double settle = std::atof(argv[1]);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[2], argv + 2);
        _exit(127);
    }

    Window window = 0;
    const auto deadline = start + std::chrono::seconds(20);
    while (!window && Clock::now() < deadline) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && event.xmap.event == root && !event.xmap.override_redirect)
                window = event.xmap.window;
        }
        if (!window)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    double ms = -1;
    while (window && Clock::now() < deadline) {
        if (painted(display, window)) {
            ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    FamilyPeak family(pid);
    family.sampleFor(std::chrono::duration<double>(settle));
    const long peak = statusKb(pid, "VmHWM:");
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    if (ms < 0)
        return 1;
    std::printf("%.2f %ld %ld\n", ms, peak, family.peak());
    return 0;
}
