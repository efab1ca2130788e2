// SPDX-License-Identifier: MIT
// One loupe update, what each pointer move costs: read the device pixels around the pointer
// from the real screen, enlarge them and paint the loupe's face. Needs an X display (the
// bench script starts Xvfb). Target: 2 ms or less per update.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>

#include "DesktopMonitors.h"
#include "LoupeGeometry.h"
#include "LoupeRenderer.h"
#include "LoupeWindow.h"
#include "QtScreenSampler.h"

namespace {

using namespace hueloupe;

// The application lives for the whole run; it is never destroyed before the benchmarks end.
QScreen* screen() {
    static int argc = 1;
    static char name[] = "loupe_bench";
    static char* argv[] = {name, nullptr};
    static auto* const app = new QApplication(argc, argv);
    (void)app;
    return QGuiApplication::primaryScreen();
}

// Pointer positions that wander over the screen, away from its edges and near them.
QPoint pointerAt(std::int64_t step, QSize screenSize) {
    const int x = static_cast<int>((step * 37) % screenSize.width());
    const int y = static_cast<int>((step * 23) % screenSize.height());
    return {x, y};
}

// Grab, scale and paint into an image: the update without the window system's drawing.
void BM_LoupeUpdate(benchmark::State& state) {
    QScreen* target = screen();
    QtScreenSampler sampler;
    QImage face(loupe::loupeSize(), QImage::Format_ARGB32_Premultiplied);
    const QSize size = target->geometry().size();
    std::int64_t step = 0;
    for (auto _ : state) {
        const QPoint hotSpot = pointerAt(step++, size);
        const QImage sample = sampler.sample(loupe::sampleRect(hotSpot));
        if (sample.isNull()) {
            state.SkipWithError("the screen cannot be read (no X display?)");
            break;
        }
        QPainter painter(&face);
        LoupeRenderer::paint(painter, sample);
        painter.end();
        benchmark::DoNotOptimize(face.constBits());
    }
}
BENCHMARK(BM_LoupeUpdate)->Unit(benchmark::kMillisecond);

// The same through the loupe window itself: sample, move the window, repaint it now.
void BM_LoupeWindowUpdate(benchmark::State& state) {
    QScreen* target = screen();
    QtScreenSampler sampler;
    LoupeWindow window(sampler, desktopMonitors);
    if (!window.start(target->geometry().center())) {  // shows it, as a press does
        state.SkipWithError("the screen cannot be read (no X display?)");
        return;
    }
    QCoreApplication::processEvents();
    const QSize size = target->geometry().size();
    std::int64_t step = 0;
    for (auto _ : state) {
        const QPoint pointer = target->geometry().topLeft() + pointerAt(step++, size);
        if (!window.updateAt(pointer)) {
            state.SkipWithError("the screen cannot be read (no X display?)");
            break;
        }
        window.repaint();
    }
    window.stop();
}
BENCHMARK(BM_LoupeWindowUpdate)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
