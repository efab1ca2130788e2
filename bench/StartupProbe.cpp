// SPDX-License-Identifier: MIT
// Starts a program and reports the time from exec to its first top-level window being mapped
// (MapNotify on the root window, no polling), then its resident memory one second later.
// Usage: startup_probe [-o] PROGRAM [ARGS...]   (DISPLAY must be set)
//   -o  windows that bypass the window manager (override-redirect, as the loupe's) count too
#include <X11/Xlib.h>

#include <sys/select.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

double nowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

long residentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

// Waits for a MapNotify of a window, override-redirect only when asked; false on timeout.
bool waitForMap(Display* display, double deadlineMs, bool overrideRedirect) {
    const int fd = ConnectionNumber(display);
    for (;;) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && (overrideRedirect || !event.xmap.override_redirect)) {
                return true;
            }
        }
        const double left = deadlineMs - nowMs();
        if (left <= 0) {
            return false;
        }
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(fd, &fds);
        timeval tv{static_cast<time_t>(left / 1000),
                   static_cast<suseconds_t>(static_cast<long>(left) % 1000 * 1000)};
        select(fd + 1, &fds, nullptr, nullptr, &tv);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const bool overrideRedirect = argc > 1 && std::string(argv[1]) == "-o";
    if (overrideRedirect) {
        --argc;
        ++argv;
    }
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup_probe [-o] PROGRAM [ARGS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open the display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double start = nowMs();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    const bool mapped = waitForMap(display, start + 10000, overrideRedirect);
    const double mappedAt = nowMs();
    usleep(1000000);
    const long rss = residentKiB(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    if (!mapped) {
        std::fprintf(stderr, "no window was mapped within 10 s\n");
        return 1;
    }
    std::printf("%.1f %ld\n", mappedAt - start, rss);
    return 0;
}
