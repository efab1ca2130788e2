// SPDX-License-Identifier: MIT
// The screen loupe: its placement at screen edges and scale factors, and sessions on a
// synthetic screen image.
#include <limits>
#include <tuple>

#include <QGuiApplication>
#include <QScreen>

#include "LoupeGeometry.h"
#include "LoupeWindow.h"
#include "ScreenMagnifier.h"
#include "ScreenSampler.h"
#include "UiTestSupport.h"

using namespace hueloupe;
using namespace hueloupe::testing;

static_assert(2 * loupe::kSampleRadius + 1 >= 11, "at least 11 x 11 device pixels");
static_assert(loupe::kCellSize >= 8, "at least eight times enlarged");

namespace {

// A loupe on an 800 x 800 synthetic screen where every pixel's colour tells where it is.
// Steps (see runScenario): "start/move/release X Y", "key NAME", "close", "stop", "blind"
// (the screen turns unreadable); checks "loupe X Y" (the window's place), "shows X Y" and,
// last, "reports REPORT, ..." ("fail", or "pick X Y" for an exact pixel; then no more).
struct Session final : MagnifierDelegate, ScreenSampler {
    QImage screen{800, 800, QImage::Format_ARGB32};
    bool unreadable = false;
    std::vector<QRect> requests;
    QStringList reports;
    ScreenMagnifier magnifier{*this};

    Session() {
        const QScreen* primary = QGuiApplication::primaryScreen();  // the rows assume it
        QVERIFY(primary->geometry() == QRect(0, 0, 800, 800) && primary->devicePixelRatio() == 1);
        for (int y = 0; y < screen.height(); ++y) {
            for (int x = 0; x < screen.width(); ++x) {
                screen.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 16 + (y / 256)));
            }
        }
    }

    QImage sample(QScreen& /*screen*/, const QRect& deviceRect) override {
        requests.push_back(deviceRect);
        return unreadable ? QImage() : screen.copy(deviceRect);  // beyond it: transparent
    }
    void magnifierDidSelectColor(Magnifier* /*magnifier*/, const ColorValue& c) override {
        const int r = qRound(c.red * 255), g = qRound(c.green * 255), b = qRound(c.blue * 255);
        const bool exact = c == ColorValue{r / 255.0, g / 255.0, b / 255.0, 1.0};
        reports << QString(exact ? "pick %1 %2" : "inexact %1 %2")
                       .arg(r + 256 * (b / 16))
                       .arg(g + 256 * (b % 16));
    }
    void magnifierDidFailToSelectColor(Magnifier* /*magnifier*/) override { reports << "fail"; }

    void perform(const QString& verb, const QString& argument) {
        const QStringList xy = argument.split(' ');
        const QPointF at = xy.size() == 2 ? QPointF(xy[0].toInt(), xy[1].toInt()) : QPointF();
        LoupeWindow* window = magnifier.window();
        if (verb == "start") {
            magnifier.trackAt(at, this);
        } else if (verb == "blind") {
            unreadable = true;
        } else if (verb == "stop") {
            magnifier.stopTracking(this);
        } else if (verb == "close") {
            window->close();
        } else if (verb == "loupe") {
            QCOMPARE(window->pos(), at.toPoint());
        } else if (verb == "shows") {  // ten times enlarged, the centre pixel outlined
            const QImage face = window->grab().toImage();
            const QPoint hotSpot = at.toPoint();
            QCOMPARE(face.pixel(75, 75), screen.pixel(hotSpot));
            QCOMPARE(face.pixel(5, 5), screen.pixel(hotSpot - QPoint(7, 7)));
            QVERIFY(face.pixel(70, 75) != face.pixel(75, 75));
        } else if (verb == "key") {
            const QKeyCombination key = QKeySequence(argument)[0];
            QTest::keyClick(window, key.key(), key.keyboardModifiers());
        } else if (verb == "move") {
            QMouseEvent event(QEvent::MouseMove, window->mapFromGlobal(at), at, Qt::NoButton,
                              Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(window, &event);
        } else if (verb == "release") {
            QTest::mouseRelease(window, Qt::LeftButton, {}, window->mapFromGlobal(at.toPoint()));
        } else if (verb == "reports") {
            QCOMPARE(reports.join(", "), argument);
            QVERIFY(!window->isVisible());
            for (const QRect& request : requests) {
                QCOMPARE(request.size(), QSize(15, 15));  // never more than around the pointer
            }
            perform("release", "10 10");
            QCOMPARE(reports.join(", "), argument);
        } else {
            QFAIL(qPrintable("unknown step " + verb));
        }
    }
};

}  // namespace

class LoupeTest : public QObject {
    Q_OBJECT

private slots:
    // The window's path from a pointer (logical) to its hot spot (device pixels) and its own
    // top-left corner, at scale factors 1, 1.5 and 2; the loupe is 150 x 174 and keeps 24
    // clear of the pointer.
    void placement() {
        const QRect hd(0, 0, 1920, 1080), second(1920, 0, 1280, 1024);
        const qreal nan = std::numeric_limits<qreal>::quiet_NaN();
        for (const auto& [name, pointer, ratio, screen, hotSpot, topLeft] :
             std::initializer_list<std::tuple<const char*, QPointF, qreal, QRect, QPoint, QPoint>>{
                 {"1: top-left corner", {0, 0}, 1, hd, {0, 0}, {24, 24}},
                 {"1: just fits at the right", {1746, 0}, 1, hd, {1746, 0}, {1770, 24}},
                 {"1: just does not", {1747, 0}, 1, hd, {1747, 0}, {1573, 24}},
                 {"1: bottom-right corner", {1919, 1079}, 1, hd, {1919, 1079}, {1745, 881}},
                 {"1: second screen", {3190, 1020}, 1, second, {1270, 1020}, {3016, 822}},
                 {"1: screen below loupe size", {50, 50}, 1, {0, 0, 100, 100}, {50, 50}, {0, 0}},
                 {"1.5: between logical pixels", {3.4, 3.4}, 1.5, hd, {5, 5}, {27, 27}},
                 {"1.5: beyond the right edge", {1925, 10}, 1.5, hd, {2879, 15}, {1745, 34}},
                 {"2: bottom-right corner", {1919.9, 1079.9}, 2, hd, {3839, 2159}, {1745, 881}},
                 {"far away", {1e300, -1e300}, 2, hd, {3839, 0}, {1745, 24}},
                 {"NaN position", {nan, 4}, 1, hd, {0, 4}, {24, 28}},
                 {"ratio 0 counts as 1", {7, 8}, 0, hd, {7, 8}, {31, 32}},
             }) {
            const QPoint pixel =
                loupe::clampToScreen(loupe::devicePixelAt(pointer - screen.topLeft(), ratio),
                                     loupe::deviceSize(screen.size(), ratio));
            const QPoint onPixel = screen.topLeft() + loupe::logicalPointFor(pixel, ratio);
            const QPoint placed = loupe::loupePosition(onPixel, loupe::loupeSize(), screen);
            QVERIFY2(pixel == hotSpot && placed == topLeft, name);
        }
    }

    void session_data() {
        QTest::addColumn<QString>("steps");
        row("follows the pointer, beside it",
            "start 100 80; loupe 124 104; shows 100 80; move 790 790; loupe 616 592; "
            "release 300 260; reports pick 300 260");
        row("arrows move one pixel",
            "start 100 100; key Right; key Right; key Down; key Return; reports pick 102 101");
        row("shift arrows move ten",
            "start 100 100; key Shift+Left; key Shift+Up; key Enter; reports pick 90 90");
        row("keys stop at the far corner, sample half off the screen",
            "start 795 799; key Shift+Right; key Down; key Return; reports pick 799 799");
        row("escape gives up", "start 50 50; move 60 60; key Escape; reports fail");
        row("closed window fails", "start 10 10; close; reports fail");
        row("stopped session is not reported", "start 10 10; stop; reports");
        row("null grab fails", "blind; start 100 100; reports fail");
        row("screen turning unreadable fails", "start 100 100; blind; move 110 110; reports fail");
        row("a new session ends the old one as a failure",
            "start 10 10; start 20 20; release 20 20; reports fail, pick 20 20");
    }

    void session() { runScenario<Session>(); }
};

QTEST_MAIN(LoupeTest)
#include "ui_loupe_qtest.moc"
