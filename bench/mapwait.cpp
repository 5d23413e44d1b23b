// Starts a program and reports, to the microsecond, how long after its start
// the X server mapped its first top-level window, how long until the program
// first drew into it, and its resident memory one second later. Event-driven:
// it listens for the server's MapNotify on the root window, then for the
// DAMAGE extension's first report on the mapped window, instead of polling.
//
// Usage: mapwait <program> [arguments...]   (DISPLAY names the server)
// Prints: map_ms=<milliseconds> paint_ms=<milliseconds> rss_kb=<kilobytes>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/select.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

long residentKilobytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

[[noreturn]] void fail(const char* message, pid_t child)
{
    std::fprintf(stderr, "mapwait: %s\n", message);
    if (child > 0) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    std::exit(1);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: mapwait <program> [arguments...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        fail("cannot open the X display", 0);
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError))
        fail("the X server has no DAMAGE extension", 0);
    const Window root = DefaultRootWindow(display);
    // Every window mapped as a child of the root, i.e. every top-level window
    // of every client, is reported to us.
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child < 0)
        fail("cannot fork", 0);
    if (child == 0) {
        execvp(argv[1], argv + 1);
        std::perror("mapwait: exec");
        _exit(127);
    }

    const int connection = ConnectionNumber(display);
    const Clock::time_point deadline = start + std::chrono::seconds(30);
    Clock::time_point mapped;
    Clock::time_point painted;
    bool seen = false;
    bool drawn = false;
    while (!drawn) {
        while (!drawn && XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (!seen && event.type == MapNotify && !event.xmap.override_redirect) {
                mapped = Clock::now();
                seen = true;
                // The program paints only after it has seen the window
                // exposed, which is after this map: no drawing is missed.
                XDamageCreate(display, event.xmap.window, XDamageReportNonEmpty);
                XFlush(display);
            } else if (seen && event.type == damageEvent + XDamageNotify) {
                painted = Clock::now();
                drawn = true;
            }
        }
        if (drawn)
            break;
        if (waitpid(child, nullptr, WNOHANG) == child)
            fail("the program ended before it mapped a window", 0);
        if (Clock::now() > deadline)
            fail("no window was mapped and drawn within 30 seconds", child);
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(connection, &readable);
        timeval timeout{0, 100'000}; // only to notice a child that died
        if (select(connection + 1, &readable, nullptr, nullptr, &timeout) < 0 && errno != EINTR)
            fail("select failed", child);
    }

    std::this_thread::sleep_for(std::chrono::seconds(1));
    const long rss = residentKilobytes(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);

    using Milliseconds = std::chrono::duration<double, std::milli>;
    std::printf("map_ms=%.3f paint_ms=%.3f rss_kb=%ld\n", Milliseconds(mapped - start).count(),
                Milliseconds(painted - start).count(), rss);
    return 0;
}
