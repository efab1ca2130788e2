// The screen loupe: placement and device pixels at screen edges and scale factors, drawing,
// and whole sessions on a synthetic screen image.
#include <limits>

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "UiTestSupport.h"
#include "ui/LoupeGeometry.h"
#include "ui/LoupeRenderer.h"
#include "ui/LoupeWindow.h"
#include "ui/ScreenMagnifier.h"
#include "ui/ScreenSampler.h"

using namespace hueloupe;
using namespace hueloupe::testing;

static_assert(2 * loupe::kSampleRadius + 1 >= 11, "at least 11 x 11 device pixels");
static_assert(loupe::kCellSize >= 8, "at least eight times enlarged");

namespace {

// A loupe on an 800 x 800 synthetic screen where every pixel's colour tells where it is.
// Steps (see runScenario): "start X Y", "move X Y", "release X Y", "key NAME", "close",
// "stop", "blind" (the screen turns unreadable); checks "loupe X Y" (the window's place) and,
// last, "reports REPORT, ..." ("fail", or "pick X Y" for an exact pixel; nothing after it).
struct Session final : MagnifierDelegate, ScreenSampler {
    QImage screen{800, 800, QImage::Format_ARGB32};
    bool unreadable = false;
    std::vector<QRect> requests;
    QStringList reports;
    ScreenMagnifier magnifier{*this};

    Session() {
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
        } else if (verb == "key") {
            const QKeyCombination key = QKeySequence(argument)[0];
            QKeyEvent event(QEvent::KeyPress, key.key(), key.keyboardModifiers());
            QCoreApplication::sendEvent(window, &event);
        } else if (verb == "move" || verb == "release") {
            const bool move = verb == "move";
            QMouseEvent event(move ? QEvent::MouseMove : QEvent::MouseButtonRelease,
                              window->mapFromGlobal(at), at, move ? Qt::NoButton : Qt::LeftButton,
                              move ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(window, &event);
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
    void initTestCase() {
        const QScreen* screen = QGuiApplication::primaryScreen();
        QVERIFY(screen->geometry() == QRect(0, 0, 800, 800) && screen->devicePixelRatio() == 1);
    }

    // The window's path from a pointer to its hot spot and its own position; the loupe is
    // 150 x 174 and keeps 24 clear of the pointer.
    void placement_data() {
        QTest::addColumn<QPointF>("pointer");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QPoint>("hotSpot");
        QTest::addColumn<QPoint>("topLeft");
        const auto add = [](const char* name, QPointF pointer, qreal ratio, QRect screen,
                            QPoint hotSpot, QPoint topLeft) {
            QTest::newRow(name) << pointer << ratio << screen << hotSpot << topLeft;
        };
        const QRect hd(0, 0, 1920, 1080);
        add("1: top-left corner", {0, 0}, 1, hd, {0, 0}, {24, 24});
        add("1: left of the screen", {-0.5, 3}, 1, hd, {0, 3}, {24, 27});
        add("1: just fits at the right", {1746, 0}, 1, hd, {1746, 0}, {1770, 24});
        add("1: just does not", {1747, 0}, 1, hd, {1747, 0}, {1573, 24});
        add("1: bottom-right corner", {1919, 1079}, 1, hd, {1919, 1079}, {1745, 881});
        add("1: second screen's corner", {3190, 1020}, 1, {1920, 0, 1280, 1024}, {1270, 1020},
            {3016, 822});
        add("1: screen smaller than the loupe", {50, 50}, 1, {0, 0, 100, 100}, {50, 50}, {0, 0});
        add("1.5: between logical pixels", {3.4, 3.4}, 1.5, hd, {5, 5}, {27, 27});
        add("1.5: beyond the right edge", {1925, 10}, 1.5, hd, {2879, 15}, {1745, 34});
        add("2: bottom-right corner", {1919.9, 1079.9}, 2, hd, {3839, 2159}, {1745, 881});
        add("far away", {1e300, -1e300}, 2, hd, {3839, 0}, {1745, 24});
        add("NaN position", {std::numeric_limits<qreal>::quiet_NaN(), 4}, 1, hd, {0, 4}, {24, 28});
        add("ratio 0 counts as 1", {7, 8}, 0, hd, {7, 8}, {31, 32});
    }

    void placement() {
        QFETCH(QPointF, pointer);
        QFETCH(qreal, ratio);
        QFETCH(QRect, screen);
        QFETCH(QPoint, hotSpot);
        QFETCH(QPoint, topLeft);
        const QPoint pixel =
            loupe::clampToScreen(loupe::devicePixelAt(pointer - screen.topLeft(), ratio),
                                 loupe::deviceSize(screen.size(), ratio));
        QCOMPARE(pixel, hotSpot);
        const QPoint onPixel = screen.topLeft() + loupe::logicalPointFor(pixel, ratio);
        QCOMPARE(loupe::loupePosition(onPixel, loupe::loupeSize(), screen), topLeft);
    }

    void rendererEnlargesEachPixel() {
        Session session;  // the sample's left half lies off the screen
        const QImage sample = session.sample(*QGuiApplication::primaryScreen(), {-7, 9, 15, 15});
        QImage face(loupe::loupeSize(), QImage::Format_ARGB32);
        face.fill(Qt::transparent);
        QPainter painter(&face);
        LoupeRenderer::paint(painter, sample);
        painter.end();
        const auto cell = [&](int x, int y) { return face.pixel(x * 10 + 5, y * 10 + 5); };
        QVERIFY(cell(7, 0) == sample.pixel(7, 0) && cell(14, 14) == sample.pixel(14, 14));
        QVERIFY(qAlpha(cell(3, 4)) == 255 && qRed(cell(3, 4)) < 64);  // off-screen: dark backdrop
        QVERIFY(face.pixel(70, 75) != cell(7, 7));                    // the centre cell outlined
        QCOMPARE(qAlpha(face.pixel(2, 15 * 10 + 2)), 255);            // the label strip below
    }

    void session_data() {
        QTest::addColumn<QStringList>("steps");
        addScenario("release where pressed",
                    {"start 123 45", "release 123 45", "reports pick 123 45"});
        addScenario("follows the pointer, beside it",
                    {"start 100 80", "loupe 124 104", "move 790 790", "loupe 616 592",
                     "release 300 260", "reports pick 300 260"});
        addScenario("arrows move one pixel", {"start 100 100", "key Right", "key Right", "key Down",
                                              "key Return", "reports pick 102 101"});
        addScenario("shift arrows move ten", {"start 100 100", "key Shift+Left", "key Shift+Up",
                                              "key Enter", "reports pick 90 90"});
        addScenario(
            "keys stop at the far corner, sample half off the screen",
            {"start 795 799", "key Shift+Right", "key Down", "key Return", "reports pick 799 799"});
        addScenario("escape gives up", {"start 50 50", "move 60 60", "key Escape", "reports fail"});
        addScenario("closed window fails", {"start 10 10", "close", "reports fail"});
        addScenario("stopped session is not reported", {"start 10 10", "stop", "reports"});
        addScenario("null grab fails", {"blind", "start 100 100", "reports fail"});
        addScenario("screen turning unreadable fails",
                    {"start 100 100", "blind", "move 110 110", "reports fail"});
        addScenario("a new session ends the old one as a failure",
                    {"start 10 10", "start 20 20", "release 20 20", "reports fail, pick 20 20"});
    }

    void session() { runScenario<Session>(); }
};

QTEST_MAIN(LoupeTest)
#include "ui_loupe_qtest.moc"
