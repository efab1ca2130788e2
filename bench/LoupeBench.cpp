// SPDX-License-Identifier: MIT
// Each pointer move over the screen loupe: FrozenLoupe::pointerMoved samples 15 x 15 device
// pixels of the still desktop image and marks the face's old and new rectangles dirty; the
// repaint that follows paints those two rectangles of the window and hands them to the X
// server. On a real X display over a real capture of its root window, every monitor covered
// (bench/loupe.sh starts the servers). Target: under 1 ms a move.
#include <benchmark/benchmark.h>

#include <optional>

#include <QApplication>
#include <QPainter>
#include <QWidget>

#include "DesktopMonitors.h"
#include "FrozenLoupe.h"
#include "LoupeGeometry.h"
#include "LoupeRenderer.h"
#include "LoupeSession.h"
#include "RootWindowCapture.h"

namespace {

using namespace hueloupe;

// The loupe shown over a capture of the desktop, its first paint done; made once.
struct Shown {
    bool onX11 = bench::startApplication("loupe_bench");  // first: the rest needs it
    FrozenLoupe loupe;
    DesktopImage image;
    Monitors monitors;
    QRect desktop;  // logical: the bounding box of the monitors
    bench::PaintWatch paints;
    bool ready = false;

    Shown() {
        if (!onX11) {
            return;
        }
        RootWindowCapture capture;
        QObject::connect(&capture, &DesktopCapture::captured,
                         [this](const DesktopImage& captured) { image = captured; });
        capture.capture();
        monitors = desktopMonitors();
        for (const Monitor& monitor : monitors) {
            desktop |= monitor.geometry;
        }
        ready = !image.isNull() &&
                loupe.start(image, monitors, QPointF(desktop.center()), false) &&
                paints.waitForWindows(monitors.size(), 5000);
    }
};

Shown* shown(benchmark::State& state) {
    static Shown* const session = new Shown;  // lives until the process ends
    if (!session->ready) {
        state.SkipWithError("no loupe over the X display (no display, or its input is grabbed)");
        return nullptr;
    }
    return session;
}

// Pointer positions that sweep the desktop in small steps, as a hand moves it, reaching the
// edges and every monitor.
QPoint pointerAt(std::int64_t step, const QRect& desktop) {
    return desktop.topLeft() + QPoint(static_cast<int>((step * 7) % desktop.width()),
                                      static_cast<int>((step * 5) % desktop.height()));
}

// The sampling alone: 15 x 15 device pixels read from the image through the monitors.
void BM_Sample(benchmark::State& state) {
    Shown* session = shown(state);
    if (session == nullptr) {
        return;
    }
    std::int64_t step = 0;
    for (auto _ : state) {
        const QPoint pointer = pointerAt(step++, session->desktop);
        const Monitor* monitor = desktop::monitorAt(session->monitors, pointer);
        const QImage sample = session->image.sample(
            session->monitors, *monitor,
            loupe::sampleRect(desktop::devicePixelAt(*monitor, pointer)));
        benchmark::DoNotOptimize(sample.constBits());
    }
}
BENCHMARK(BM_Sample)->Unit(benchmark::kMicrosecond);

// The face alone, painted into an image: the enlarged sample, its grid and its label.
void BM_PaintFace(benchmark::State& state) {
    Shown* session = shown(state);
    if (session == nullptr) {
        return;
    }
    QImage face(loupe::loupeSize(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&face);
        LoupeRenderer::paint(painter, session->loupe.sample());
        painter.end();
        benchmark::DoNotOptimize(face.constBits());
    }
}
BENCHMARK(BM_PaintFace)->Unit(benchmark::kMicrosecond);

// One move: pointerMoved, then the repaint it asked for, done now (the update request the
// window would get from the event loop next), painted and handed to the X server. With
// toServer, a round trip after each move: the server has drawn it too.
void BM_PointerMove(benchmark::State& state) {
    Shown* session = shown(state);
    if (session == nullptr) {
        return;
    }
    const bool toServer = state.range(0) != 0;
    session->paints.reset();
    std::int64_t step = 0;
    for (auto _ : state) {
        session->loupe.pointerMoved(QPointF(pointerAt(step++, session->desktop)), false);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        if (toServer) {
            bench::x11RoundTrip();
        }
    }
    // Two when the face's old and new places are on two windows.
    state.counters["paints"] = benchmark::Counter(static_cast<double>(session->paints.paints()),
                                                  benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_PointerMove)->ArgName("toServer")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
