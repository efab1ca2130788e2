// SPDX-License-Identifier: MIT
// Where the loupe reads and where it sits, over monitor layouts: offsets (negative too), scale
// factors 1, 1.5 and 2, heads Qt does not know, and positions no monitor covers.
#include <limits>
#include <tuple>

#include <QTest>

#include "DesktopImage.h"
#include "LoupeGeometry.h"
#include "Monitors.h"

using namespace hueloupe;
using desktop::screenMonitor;

namespace {

// Two heads side by side, 1280 x 800 and 1024 x 768, where Qt sees only the first.
const std::vector<QRect> kHeads{{0, 0, 1280, 800}, {1280, 0, 1024, 768}};

Monitors layout(const QString& name) {
    if (name == "hd") {
        return {screenMonitor({0, 0, 1920, 1080}, 1)};
    }
    if (name.startsWith("hd@")) {
        return {screenMonitor({0, 0, 1920, 1080}, name.mid(3).toDouble())};
    }
    if (name == "trio") {  // a scaled primary, one monitor left of it and above, one right
        return {screenMonitor({0, 0, 960, 540}, 2), screenMonitor({-1280, 200, 1280, 1024}, 1),
                screenMonitor({1920, 0, 1280, 720}, 1.5)};
    }
    const qreal ratio = name == "heads" ? 1 : name.mid(6).toDouble();
    const QSize logical(qRound(1280 / ratio), qRound(800 / ratio));  // as Qt sizes the screen
    return desktop::withHeads({screenMonitor({{0, 0}, logical}, ratio)}, kHeads);
}

}  // namespace

class GeometryTest : public QObject {
    Q_OBJECT

private slots:
    // From a pointer (logical) to its hot spot (device pixels of the desktop) and the loupe's
    // top-left corner; the loupe is 150 x 174 and keeps 24 clear of the pointer.
    void pointerToLoupe() {
        const qreal nan = std::numeric_limits<qreal>::quiet_NaN();
        const int far = 1 << 24;
        for (const auto& [name, monitors, pointer, hotSpot, topLeft] :
             std::initializer_list<std::tuple<const char*, const char*, QPointF, QPoint, QPoint>>{
                 {"just fits at the right", "hd", {1746, 0}, {1746, 0}, {1770, 24}},
                 {"just does not", "hd", {1747, 0}, {1747, 0}, {1573, 24}},
                 {"bottom-right corner", "hd", {1919, 1079}, {1919, 1079}, {1745, 881}},
                 {"1.5: between logical pixels", "hd@1.5", {3.4, 3.4}, {5, 5}, {27, 27}},
                 {"1.5: last pixel", "hd@1.5", {1919.5, 1079.5}, {2879, 1619}, {1745, 881}},
                 {"scaled primary", "trio", {100.5, 50.25}, {201, 100}, {124, 74}},
                 {"negative offset", "trio", {-1000, 300}, {-1000, 300}, {-976, 324}},
                 {"1.5 right of a 2", "trio", {1960.4, 10}, {1980, 15}, {1984, 34}},
                 {"on none: the nearest", "trio", {-30, 100}, {-60, 200}, {0, 124}},
                 {"head Qt lacks", "heads", {1500, 100}, {1500, 100}, {1524, 124}},
                 {"below it, on none", "heads", {1500, 790}, {1500, 790}, {1524, 592}},
                 {"head Qt lacks, at 1.5", "heads@1.5", {1000, 40}, {1500, 60}, {1024, 64}},
                 {"far away", "hd", {1e300, -1e300}, {far, -far}, {1770, 0}},
                 {"NaN position", "hd", {nan, 4}, {0, 4}, {24, 28}},
                 {"ratio 0 counts as 1", "hd@0", {7, 8}, {7, 8}, {31, 32}},
             }) {
            const Monitors desk = layout(monitors);
            const Monitor& monitor = *desktop::monitorAt(desk, pointer);
            const QPoint pixel = desktop::devicePixelAt(monitor, pointer);
            const QPoint onPixel = desktop::logicalPointFor(monitor, pixel);
            const QPoint placed =
                loupe::loupePosition(onPixel, loupe::loupeSize(), monitor.geometry);
            QVERIFY2(pixel == hotSpot && placed == topLeft, name);
        }
        QCOMPARE(layout("heads").size(), std::size_t(2));  // the known head is not added twice
        QVERIFY(desktop::monitorAt({}, {0, 0}) == nullptr);
    }

    // A portal's picture at scale 2 holds a scale 1 monitor smoothly enlarged: the pixels on both
    // sides of an edge still read exactly, and a scale 2 monitor reads pixel for pixel.
    void enlargedMonitorsReadExactly() {
        QImage desk(10, 4, QImage::Format_RGB32);
        desk.fill(qRgb(200, 40, 20));
        for (int y = 0; y < 4; ++y) {
            for (int x = 5; x < 10; ++x) desk.setPixel(x, y, qRgb(20, 90, 240));
        }
        desk.setPixel(9, 3, qRgb(1, 2, 3));
        const DesktopImage picture = DesktopImage::ofLayout(
            desk.scaled(20, 8, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), {0, 0, 10, 4});
        const Monitor one = screenMonitor({0, 0, 10, 4}, 1);
        const QImage read = picture.sample({one}, one, {0, 0, 10, 4});
        for (const QPoint at : {QPoint(4, 1), QPoint(5, 1), QPoint(0, 0), QPoint(9, 0)}) {
            QCOMPARE(read.pixel(at) & 0xffffff, desk.pixel(at) & 0xffffff);
        }
        const DesktopImage sharp = DesktopImage::ofLayout(desk, {0, 0, 5, 2});
        const Monitor two = screenMonitor({0, 0, 5, 2}, 2);
        QCOMPARE(sharp.sample({two}, two, {9, 3, 1, 1}).pixel(0, 0) & 0xffffff, 0x010203u);
    }
};

QTEST_MAIN(GeometryTest)
#include "picker_geometry_qtest.moc"
