// SPDX-License-Identifier: MIT
// The loupe: where it reads and sits over monitor layouts (offsets, scale factors 1, 1.5 and 2,
// heads Qt does not know, positions no monitor covers), and frozen-loupe sessions over a
// synthetic desktop of three monitors, through the Picker signals.
#include <QApplication>
#include <QTest>
#include <limits>
#include <tuple>

#include "DesktopCapture.h"
#include "DesktopImage.h"
#include "LoupeGeometry.h"
#include "FrozenLoupePicker.h"
#include "Monitors.h"
#include "Scenario.h"

using namespace hueloupe;
using namespace hueloupe::testing;

namespace {

using desktop::screenMonitor;

Monitors layout(const QString& name) {
    if (name.startsWith("hd")) {
        return {screenMonitor({0, 0, 1920, 1080}, name.size() > 3 ? name.mid(3).toDouble() : 1)};
    }
    if (name == "trio") {  // a scaled primary, one monitor left of it and above, one right
        return {screenMonitor({0, 0, 960, 540}, 2), screenMonitor({-1280, 200, 1280, 1024}, 1),
                screenMonitor({1920, 0, 1280, 720}, 1.5)};
    }
    // Two heads side by side, 1280 x 800 and 1024 x 768, where Qt sees only the first.
    const qreal ratio = name == "heads" ? 1 : name.mid(6).toDouble();
    const QSize logical(qRound(1280 / ratio), qRound(800 / ratio));  // as Qt sizes the screen
    return desktop::withHeads({screenMonitor({{0, 0}, logical}, ratio)},
                              {{0, 0, 1280, 800}, {1280, 0, 1024, 768}});
}

// Device pixels from x = -600 to 1599 and y = 0 to 799, each coloured by where it is.
constexpr QPoint kDesktopOrigin(-600, 0);

QRgb desktopPixel(QPoint at) {
    const int x = at.x() - kDesktopOrigin.x(), y = at.y();
    return qRgb(x % 256, y % 256, (x / 256) * 16 + y / 256);
}

DesktopImage desktopImage() {
    DesktopImage desktop;
    desktop.image = QImage(2200, 800, QImage::Format_RGB32);
    for (int y = 0; y < desktop.image.height(); ++y) {
        for (int x = 0; x < desktop.image.width(); ++x) {
            desktop.image.setPixel(x, y, desktopPixel(QPoint(x, y) + kDesktopOrigin));
        }
    }
    desktop.deviceOrigin = kDesktopOrigin;
    return desktop;
}

// Captures the synthetic desktop at once, later on "deliver", or not at all.
struct FakeCapture final : DesktopCapture {
    bool unreadable = false, later = false, pending = false;
    void capture() override {
        pending = later && !unreadable;
        if (unreadable) {
            emit unavailable();
        } else if (!later) {
            deliver();
        }
    }
    void cancel() override { pending = false; }
    void deliver() {
        static const DesktopImage desktop = desktopImage();
        pending = false;
        emit captured(desktop);
    }
};

// A: 800 x 800 at 0,0, the primary; B: 600 x 400 at -600,100; C: 400 x 300 at 800,0, scale 2.
// Set-up steps: "blind" (no capture), "later" (the capture waits for "deliver"), "held"
// (another program holds the input), "wayland" (the pointer is unknown until it moves). Then
// "start X Y", "move/press/release/click X Y", "drag X Y" (moves with the opening press held),
// "key NAME", "close", "cancel", "deliver"; checks "loupe X Y" (the face's corner), "shows X Y"
// (the face, device pixel X Y at its centre), "covers" (each window over its monitor, the
// desktop where it was) and, last, "reports REPORT, ..." ("fail", "unavailable", "pick X Y").
struct Session {
    FakeCapture* capture = new FakeCapture;  // owned by the picker
    bool held = false, pointerKnown = true;
    std::unique_ptr<FrozenLoupePicker> picker;
    QStringList reports;

    void makePicker() {
        picker = std::make_unique<FrozenLoupePicker>(
            std::unique_ptr<DesktopCapture>(capture),
            [] {
                return Monitors{desktop::screenMonitor({0, 0, 800, 800}, 1),
                                desktop::screenMonitor({-600, 100, 600, 400}, 1),
                                desktop::screenMonitor({800, 0, 400, 300}, 2)};
            },
            pointerKnown, [this](QWidget&) { return !held; });
        QObject::connect(picker.get(), &Picker::picked, [this](const ColorValue& c) {
            const int r = qRound(c.red * 255), g = qRound(c.green * 255), b = qRound(c.blue * 255);
            const bool exact = c == ColorValue{r / 255.0, g / 255.0, b / 255.0, 1.0};
            reports << QString(exact ? "pick %1 %2" : "inexact %1 %2")
                           .arg(r + 256 * (b / 16) + kDesktopOrigin.x())
                           .arg(g + 256 * (b % 16));
        });
        QObject::connect(picker.get(), &Picker::failed, [this] { reports << "fail"; });
        QObject::connect(picker.get(), &Picker::unavailable, [this] { reports << "unavailable"; });
    }

    // Where the window system sends pointer events: the window under the pointer, else (held
    // by the grab) the primary monitor's.
    QWidget* windowAt(QPoint global) const {
        QWidget* window = picker->loupe().screenAt(global);
        return window != nullptr ? window : picker->loupe().screenAt({0, 0});
    }

    void mouse(QEvent::Type type, QPointF at, Qt::MouseButtons buttons) {
        QWidget* window = windowAt(at.toPoint());
        QMouseEvent event(type, window->mapFromGlobal(at), at,
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(window, &event);
    }

    void perform(const QString& verb, const QString& argument) {
        const QStringList xy = argument.split(' ');
        const QPointF at = xy.size() == 2 ? QPointF(xy[0].toInt(), xy[1].toInt()) : QPointF();
        if (!picker && verb != "blind" && verb != "later" && verb != "held" && verb != "wayland") {
            makePicker();
        }
        const FrozenLoupe* loupe = picker ? &picker->loupe() : nullptr;
        if (verb == "blind" || verb == "later" || verb == "held" || verb == "wayland") {
            (verb == "blind" ? capture->unreadable : verb == "later" ? capture->later
             : verb == "held" ? held : pointerKnown) = verb != "wayland";
        } else if (verb == "start") {
            picker->start(at);
        } else if (verb == "deliver") {
            capture->deliver();
        } else if (verb == "cancel") {
            picker->cancel();
        } else if (verb == "close") {
            windowAt(loupe->faceRect().center())->close();
        } else if (verb == "loupe") {
            QCOMPARE(loupe->faceRect().topLeft(), at.toPoint());
        } else if (verb == "shows") {  // ten times enlarged, the centre pixel outlined
            const QRect face = loupe->faceRect();
            QWidget* window = windowAt(face.center());
            const QImage image =
                window->grab(face.translated(-window->geometry().topLeft())).toImage();
            QCOMPARE(image.pixel(75, 75), desktopPixel(at.toPoint()));
            QCOMPARE(image.pixel(5, 5), desktopPixel(at.toPoint() - QPoint(7, 7)));
            QVERIFY(image.pixel(70, 75) != image.pixel(75, 75));
        } else if (verb == "covers") {
            for (const QPoint corner : {QPoint(0, 0), QPoint(-600, 100), QPoint(800, 0)}) {
                QWidget* window = windowAt(corner);
                QVERIFY(window->isVisible() && window->geometry().topLeft() == corner);
            }
            const QImage primary = windowAt({0, 0})->grab().toImage();
            QCOMPARE(primary.pixel(700, 600), desktopPixel({700, 600}));
        } else if (verb == "key") {
            const QKeyCombination key = QKeySequence(argument)[0];
            QTest::keyClick(windowAt(loupe->faceRect().center()), key.key(),
                            key.keyboardModifiers());
        } else if (verb == "move" || verb == "drag") {
            mouse(QEvent::MouseMove, at, verb == "drag" ? Qt::LeftButton : Qt::NoButton);
        } else if (verb == "press" || verb == "click") {
            mouse(QEvent::MouseButtonPress, at, Qt::LeftButton);
        }
        if (verb == "release" || verb == "click") {
            mouse(QEvent::MouseButtonRelease, at, Qt::NoButton);
        } else if (verb == "reports") {
            QCOMPARE(reports.join(", "), argument);
            QVERIFY(!loupe->isRunning() && loupe->sample().isNull() && !capture->pending);
            QVERIFY(QApplication::topLevelWidgets().isEmpty());
        }
    }
};

}  // namespace

class LoupeTest : public QObject {
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
                 {"1.5: last pixel", "hd@1.5", {1919.5, 1079.5}, {2879, 1619}, {1745, 881}},
                 {"1.5 right of a 2", "trio", {1960.4, 10}, {1980, 15}, {1984, 34}},
                 {"on none: the nearest", "trio", {-30, 100}, {-60, 200}, {0, 124}},
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

    void session_data() {
        QTest::addColumn<QString>("steps");
        row("covers each monitor, follows the pointer beside it",
            "start 100 80; covers; loupe 124 104; shows 100 80; move 790 790; loupe 616 592; "
            "click 300 260; reports pick 300 260");
        row("scale 2: device pixels",
            "start 900 100; loupe 924 124; shows 1000 200; key Right; key Return; "
            "reports pick 1001 200");
        row("arrows move one pixel, ten with shift",
            "start 100 100; key Right; key Right; key Down; key Shift+Left; key Shift+Up; "
            "key Enter; reports pick 92 91");
        row("arrows cross onto the next monitor",
            "start 799 10; key Right; key Return; reports pick 800 10");
        row("keys stop at the edge, sample half off the desktop",
            "start 795 799; key Shift+Right; key Down; key Return; reports pick 799 799");
        row("the opening press's own release picks nothing; a click does",
            "start 100 100; release 101 100; click 200 200; reports pick 200 200");
        row("a drag from the opening press picks where it is released",
            "start 100 100; drag 300 300; release 300 300; reports pick 300 300");
        row("pointer unknown: the loupe waits for it",
            "wayland; start 5 5; key Return; move 300 300; shows 300 300; click 300 300; "
            "reports pick 300 300");
        row("pointer that cannot be moved: a click where it is picks what the keys chose",
            "wayland; start 5 5; move 300 300; key Right; click 300 300; reports pick 301 300");
        row("a capture that comes later", "later; start 10 10; deliver; shows 10 10; key Return; "
            "reports pick 10 10");
        row("a capture after a cancel is dropped", "later; start 10 10; cancel; deliver; reports");
        row("escape gives up", "start 50 50; move 60 60; key Escape; reports fail");
        row("closed window fails", "start 10 10; close; reports fail");
        row("no capture: unavailable", "blind; start 100 100; reports unavailable");
        row("input held by another program fails", "held; start 100 100; reports fail");
    }

    void session() { runScenario<Session>(); }

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

QTEST_MAIN(LoupeTest)
#include "picker_loupe_qtest.moc"
