// SPDX-License-Identifier: MIT
// Times a press to the screen loupe on screen, X11: the picker the app uses (root window capture,
// frozen loupe, the real input grab) started at the primary screen's centre, again and again in
// one process, each pick cancelled once shown. Per pick it prints, in ms from the start of
// Picker::start:
//   capture  the root window read into an image (the capture's signal)
//   shown    Picker::start returned: the windows mapped on the server, the input grabbed
//   painted  every loupe window's first paint handed over and handled by the server
// The first pick of a process is cold (cursor, backing store, shared memory); the later warm.
// Usage: loupe_startup [picks]   (DISPLAY must be set)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "DesktopMonitors.h"
#include "FrozenLoupePicker.h"
#include "LoupeSession.h"
#include "RootWindowCapture.h"

namespace {

using namespace hueloupe;
using Clock = std::chrono::steady_clock;

// The X11 capture, noting when its image is ready.
class TimedCapture final : public DesktopCapture {
public:
    explicit TimedCapture(Clock::time_point& capturedAt) {
        connect(&capture_, &DesktopCapture::captured, this, [this, &capturedAt](const DesktopImage& image) {
            capturedAt = Clock::now();
            emit captured(image);
        });
        connect(&capture_, &DesktopCapture::unavailable, this, &DesktopCapture::unavailable);
    }
    void capture() override { capture_.capture(); }
    void cancel() override { capture_.cancel(); }

private:
    RootWindowCapture capture_;
};

double msBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Lets the server take the windows down and the desktop settle before the next pick.
void settle() {
    bench::x11RoundTrip();
    QEventLoop loop;
    QTimer::singleShot(150, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

int main(int argc, char** argv) {
    const int picks = argc > 1 ? std::atoi(argv[1]) : 10;
    if (!bench::startApplication("loupe_startup")) {
        std::fprintf(stderr, "needs an X display\n");
        return 2;
    }
    Clock::time_point capturedAt;
    FrozenLoupePicker picker(std::make_unique<TimedCapture>(capturedAt), desktopMonitors, true);
    bool ended = false;
    QObject::connect(&picker, &Picker::failed, [&ended] { ended = true; });
    QObject::connect(&picker, &Picker::unavailable, [&ended] { ended = true; });
    bench::PaintWatch paints;
    const std::size_t windows = desktopMonitors().size();
    const QPointF at = QGuiApplication::primaryScreen()->geometry().center();
    std::printf("# %zu loupe window(s); ms from Picker::start: capture shown painted\n", windows);
    for (int i = 0; i < picks; ++i) {
        settle();
        paints.reset();
        const Clock::time_point start = Clock::now();
        picker.start(at);
        const Clock::time_point shown = Clock::now();
        if (ended || !picker.isRunning()) {
            std::fprintf(stderr, "the loupe did not start (the screen unreadable or grabbed)\n");
            return 1;
        }
        if (!paints.waitForWindows(windows, 5000)) {
            std::fprintf(stderr, "the loupe windows were not painted within 5 s\n");
            return 1;
        }
        const Clock::time_point painted = Clock::now();
        picker.cancel();
        std::printf("%s %.2f %.2f %.2f\n", i == 0 ? "cold" : "warm", msBetween(start, capturedAt),
                    msBetween(start, shown), msBetween(start, painted));
        std::fflush(stdout);
    }
    return 0;
}
