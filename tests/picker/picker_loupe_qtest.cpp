// SPDX-License-Identifier: MIT
// Loupe sessions on a synthetic desktop of three monitors, through the Picker signals.
#include <QTest>

#include "LoupePicker.h"
#include "LoupeWindow.h"
#include "Monitors.h"
#include "Scenario.h"
#include "ScreenSampler.h"

using namespace hueloupe;
using namespace hueloupe::testing;

namespace {

// Device pixels from x = -600 to 1599 and y = 0 to 799, each coloured by where it is.
constexpr QPoint kDesktopOrigin(-600, 0);

QRgb desktopPixel(QPoint at) {
    const int x = at.x() - kDesktopOrigin.x(), y = at.y();
    return qRgb(x % 256, y % 256, (x / 256) * 16 + y / 256);
}

QImage desktopImage() {
    QImage pixels(2200, 800, QImage::Format_ARGB32);
    for (int y = 0; y < pixels.height(); ++y) {
        for (int x = 0; x < pixels.width(); ++x) {
            pixels.setPixel(x, y, desktopPixel(QPoint(x, y) + kDesktopOrigin));
        }
    }
    return pixels;
}

struct Desktop final : ScreenSampler {
    bool unreadable = false;
    std::vector<QRect> requests;

    QImage sample(const QRect& deviceRect) override {
        static const QImage pixels = desktopImage();
        requests.push_back(deviceRect);
        // Beyond the image: transparent.
        return unreadable ? QImage() : pixels.copy(deviceRect.translated(-kDesktopOrigin));
    }
};

// A: 800 x 800 at 0,0, the primary; B: 600 x 400 at -600,100; C: 400 x 300 at 800,0, scale 2.
// Steps (see runScenario): "start/move/release X Y", "key NAME", "close", "cancel", "blind" (the
// screen turns unreadable), "held" (another program holds the input); checks "loupe X Y" (the
// window's place), "shows X Y" (device pixel) and, last, "reports REPORT, ..." ("fail",
// "unavailable" or "pick X Y"; then no more).
struct Session {
    Desktop* desk = new Desktop;  // owned by the picker
    bool held = false;
    LoupePicker picker{std::unique_ptr<ScreenSampler>(desk),
                       [] {
                           return Monitors{desktop::screenMonitor({0, 0, 800, 800}, 1),
                                           desktop::screenMonitor({-600, 100, 600, 400}, 1),
                                           desktop::screenMonitor({800, 0, 400, 300}, 2)};
                       },
                       [this](QWindow&) { return !held; }};
    QStringList reports;

    Session() {
        QObject::connect(&picker, &Picker::picked, [this](const ColorValue& c) {
            const int r = qRound(c.red * 255), g = qRound(c.green * 255), b = qRound(c.blue * 255);
            const bool exact = c == ColorValue{r / 255.0, g / 255.0, b / 255.0, 1.0};
            reports << QString(exact ? "pick %1 %2" : "inexact %1 %2")
                           .arg(r + 256 * (b / 16) + kDesktopOrigin.x())
                           .arg(g + 256 * (b % 16));
        });
        QObject::connect(&picker, &Picker::failed, [this] { reports << "fail"; });
        QObject::connect(&picker, &Picker::unavailable, [this] { reports << "unavailable"; });
    }

    void perform(const QString& verb, const QString& argument) {
        const QStringList xy = argument.split(' ');
        const QPointF at = xy.size() == 2 ? QPointF(xy[0].toInt(), xy[1].toInt()) : QPointF();
        LoupeWindow* window = picker.window();
        if (verb == "start") {
            picker.start(at);
        } else if (verb == "blind") {
            desk->unreadable = true;
        } else if (verb == "held") {
            held = true;
        } else if (verb == "cancel") {
            picker.cancel();
        } else if (verb == "close") {
            window->close();
        } else if (verb == "loupe") {
            QCOMPARE(window->pos(), at.toPoint());
        } else if (verb == "shows") {  // ten times enlarged, the centre pixel outlined
            const QImage face = window->grab().toImage();
            const QPoint hotSpot = at.toPoint();
            QCOMPARE(face.pixel(75, 75), desktopPixel(hotSpot));
            QCOMPARE(face.pixel(5, 5), desktopPixel(hotSpot - QPoint(7, 7)));
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
            QTRY_COMPARE(reports.join(", "), argument);  // a refused grab waits for exposure
            QVERIFY(window == nullptr || !window->isVisible());
            for (const QRect& request : desk->requests) {
                QCOMPARE(request.size(), QSize(15, 15));  // never more than around the pointer
            }
        } else {
            QFAIL(qPrintable("unknown step " + verb));
        }
    }
};

}  // namespace

class LoupeTest : public QObject {
    Q_OBJECT

private slots:
    void session_data() {
        QTest::addColumn<QString>("steps");
        row("follows the pointer, beside it",
            "start 100 80; loupe 124 104; shows 100 80; move 790 790; loupe 616 592; "
            "release 300 260; reports pick 300 260");
        row("onto the monitor at a negative offset",
            "start 100 80; move -300 200; loupe -276 224; shows -300 200; release -300 200; "
            "reports pick -300 200");
        row("scale 2: device pixels",
            "start 900 100; loupe 924 124; shows 1000 200; key Right; key Return; "
            "reports pick 1001 200");
        row("on no monitor: the pixel under the pointer, the loupe on the nearest monitor",
            "start -300 600; loupe -276 326; shows -300 600; release -300 600; "
            "reports pick -300 600");
        row("arrows move one pixel, ten with shift",
            "start 100 100; key Right; key Right; key Down; key Shift+Left; key Shift+Up; "
            "key Enter; reports pick 92 91");
        row("arrows cross onto the next monitor",
            "start 799 10; key Right; key Return; reports pick 800 10");
        row("keys stop at the edge, sample half off the desktop",
            "start 795 799; key Shift+Right; key Down; key Return; reports pick 799 799");
        row("keys move freely on no monitor",
            "start -300 600; key Left; key Return; reports pick -301 600");
        row("escape gives up", "start 50 50; move 60 60; key Escape; reports fail");
        row("closed window fails", "start 10 10; close; reports fail");
        row("cancelled session is not reported", "start 10 10; cancel; reports");
        row("null grab: unavailable", "blind; start 100 100; reports unavailable");
        row("screen turning unreadable fails", "start 100 100; blind; move 110 110; reports fail");
        row("input held by another program fails", "held; start 100 100; reports fail");
    }

    void session() { runScenario<Session>(); }
};

QTEST_MAIN(LoupeTest)
#include "picker_loupe_qtest.moc"
