// The screen loupe: its placement and device pixels at screen edges and scale factors, its
// drawing, and whole sessions on a synthetic screen image.
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTest>

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

// Every pixel's colour tells where it is (for screens up to 4096 x 4096).
QRgb syntheticPixel(int x, int y) {
    return qRgb(x % 256, y % 256, (x / 256) * 16 + (y / 256));
}

class SyntheticSampler final : public ScreenSampler {
public:
    explicit SyntheticSampler(QSize size) : screen_(size, QImage::Format_ARGB32) {
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                screen_.setPixel(x, y, syntheticPixel(x, y));
            }
        }
    }

    QImage sample(QScreen& /*screen*/, const QRect& deviceRect) override {
        requests.push_back(deviceRect);
        return unreadable ? QImage() : screen_.copy(deviceRect);  // beyond it: transparent
    }

    bool unreadable = false;
    std::vector<QRect> requests;

private:
    QImage screen_;
};

// Each report as text: "fail", or "pick X Y" for the pixel whose exact colour was picked.
class RecordingDelegate final : public MagnifierDelegate {
public:
    void magnifierDidSelectColor(Magnifier* /*magnifier*/, const ColorValue& color) override {
        const auto byte = [](double component) { return qRound(component * 255); };
        const int blue = byte(color.blue);
        const int x = byte(color.red) + 256 * (blue / 16);
        const int y = byte(color.green) + 256 * (blue % 16);
        const QRgb rgb = syntheticPixel(x, y);
        const bool exact =
            color == ColorValue{qRed(rgb) / 255.0, qGreen(rgb) / 255.0, qBlue(rgb) / 255.0, 1.0};
        reports << (exact ? QString("pick %1 %2").arg(x).arg(y) : QString("inexact"));
    }
    void magnifierDidFailToSelectColor(Magnifier* /*magnifier*/) override { reports << "fail"; }

    QStringList reports;
};

// A session's world: "start X Y", "move X Y", "release X Y", "key NAME", "close", "stop",
// "blind" (the screen becomes unreadable), "loupe X Y" (where the loupe window must be).
struct Session {
    SyntheticSampler sampler{QGuiApplication::primaryScreen()->geometry().size()};
    ScreenMagnifier magnifier{sampler};
    RecordingDelegate delegate;

    void perform(const QString& step) {
        const QStringList words = step.split(' ');
        const QPoint at = words.size() == 3 ? QPoint(words[1].toInt(), words[2].toInt()) : QPoint();
        LoupeWindow* window = magnifier.window();
        if (words[0] == "start") {
            magnifier.trackAt(at, &delegate);
        } else if (words[0] == "blind") {
            sampler.unreadable = true;
        } else if (words[0] == "stop") {
            magnifier.stopTracking(&delegate);
        } else if (words[0] == "close") {
            window->close();
        } else if (words[0] == "loupe") {
            QCOMPARE(window->pos(), at);
        } else if (words[0] == "key") {
            const int combined = QKeySequence(words[1])[0].toCombined();
            sendKey(window, combined & ~Qt::KeyboardModifierMask,
                    Qt::KeyboardModifiers(combined & Qt::KeyboardModifierMask));
        } else {
            const bool move = words[0] == "move";
            QMouseEvent event(move ? QEvent::MouseMove : QEvent::MouseButtonRelease,
                              window->mapFromGlobal(QPointF(at)), QPointF(at),
                              move ? Qt::NoButton : Qt::LeftButton,
                              move ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(window, &event);
        }
    }
};

}  // namespace

class LoupeTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QCOMPARE(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 800, 800));
        QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), 1.0);
    }

    // The window's path from a pointer to its hot spot and its own position; the loupe is
    // 150 x 174 and keeps 24 clear of the pointer.
    void placement_data() {
        QTest::addColumn<QPointF>("pointer");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QPoint>("hotSpot");
        QTest::addColumn<QPoint>("topLeft");
        const QRect hd(0, 0, 1920, 1080);
        const QRect second(1920, 0, 1280, 1024);
        const auto row = [](const char* name) -> QTestData& { return QTest::newRow(name); };
        row("1: middle") << QPointF(500, 500) << 1.0 << hd << QPoint(500, 500) << QPoint(524, 524);
        row("1: top-left corner") << QPointF(0, 0) << 1.0 << hd << QPoint(0, 0) << QPoint(24, 24);
        row("1: left of the screen")
            << QPointF(-0.5, 3) << 1.0 << hd << QPoint(0, 3) << QPoint(24, 27);
        row("1: right edge flips left")
            << QPointF(1800, 500) << 1.0 << hd << QPoint(1800, 500) << QPoint(1626, 524);
        row("1: just fits at the right")
            << QPointF(1746, 0) << 1.0 << hd << QPoint(1746, 0) << QPoint(1770, 24);
        row("1: just does not") << QPointF(1747, 0) << 1.0 << hd << QPoint(1747, 0)
                                << QPoint(1573, 24);
        row("1: bottom-right corner")
            << QPointF(1919, 1079) << 1.0 << hd << QPoint(1919, 1079) << QPoint(1745, 881);
        row("1: second screen's corner")
            << QPointF(3190, 1020) << 1.0 << second << QPoint(1270, 1020) << QPoint(3016, 822);
        row("1: screen smaller than the loupe")
            << QPointF(50, 50) << 1.0 << QRect(0, 0, 100, 100) << QPoint(50, 50) << QPoint(0, 0);
        row("1.5: middle") << QPointF(10, 10) << 1.5 << hd << QPoint(15, 15) << QPoint(34, 34);
        row("1.5: between logical pixels")
            << QPointF(3.4, 3.4) << 1.5 << hd << QPoint(5, 5) << QPoint(27, 27);
        row("1.5: bottom-right corner")
            << QPointF(1919.9, 1079.9) << 1.5 << hd << QPoint(2879, 1619) << QPoint(1745, 881);
        row("1.5: beyond the right edge")
            << QPointF(1925, 10) << 1.5 << hd << QPoint(2879, 15) << QPoint(1745, 34);
        row("2: fractional") << QPointF(10.5, 3.2) << 2.0 << hd << QPoint(21, 6) << QPoint(34, 27);
        row("2: bottom-right corner")
            << QPointF(1919.9, 1079.9) << 2.0 << hd << QPoint(3839, 2159) << QPoint(1745, 881);
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

    void outlandishInputStaysDefined() {
        const qreal nan = std::numeric_limits<qreal>::quiet_NaN();
        QCOMPARE(loupe::devicePixelAt({nan, 4}, 1.0), QPoint(0, 4));
        QCOMPARE(loupe::devicePixelAt({7, 8}, 0.0), QPoint(7, 8));  // a bad ratio counts as 1
        QCOMPARE(loupe::devicePixelAt({1e300, -1e300}, 2.0), QPoint(1 << 24, -(1 << 24)));
        QCOMPARE(loupe::logicalPointFor({5, 5}, nan), QPoint(5, 5));
    }

    void rendererEnlargesEachPixel() {
        QImage sample(15, 15, QImage::Format_ARGB32);
        for (int y = 0; y < 15; ++y) {
            for (int x = 0; x < 15; ++x) {
                sample.setPixel(x, y, qRgb(x * 17, y * 17, 99));
            }
        }
        sample.setPixel(14, 0, qRgba(0, 0, 0, 0));  // off the screen
        QImage face(loupe::loupeSize(), QImage::Format_ARGB32);
        face.fill(Qt::transparent);
        QPainter painter(&face);
        LoupeRenderer::paint(painter, sample);
        painter.end();
        const auto centreOf = [](int x, int y) { return QPoint(x * 10 + 5, y * 10 + 5); };
        for (const QPoint cell : {QPoint(0, 0), QPoint(3, 4), QPoint(13, 14), QPoint(6, 8)}) {
            QCOMPARE(face.pixel(centreOf(cell.x(), cell.y())), sample.pixel(cell));
        }
        const QRgb offScreen = face.pixel(centreOf(14, 0));  // a dark, opaque backdrop
        QVERIFY(qAlpha(offScreen) == 255 && qRed(offScreen) < 64);
        const QPoint centre = centreOf(7, 7);  // outlined: its edge differs from its middle
        QVERIFY(face.pixel(centre.x() - 5, centre.y()) != face.pixel(centre));
        QCOMPARE(qAlpha(face.pixel(2, 15 * 10 + 2)), 255);  // the label strip below
    }

    void session_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("reports");
        using S = QStringList;
        QTest::newRow("release where pressed")
            << S{"start 123 45", "release 123 45"} << S{"pick 123 45"};
        QTest::newRow("follows the pointer, beside it")
            << S{"start 100 80", "loupe 124 104", "move 790 790", "loupe 616 592",
                 "release 300 260"}
            << S{"pick 300 260"};
        QTest::newRow("arrows move one pixel")
            << S{"start 100 100", "key Right", "key Right", "key Down", "key Return"}
            << S{"pick 102 101"};
        QTest::newRow("shift arrows move ten")
            << S{"start 100 100", "key Shift+Left", "key Shift+Up", "key Enter"} << S{"pick 90 90"};
        QTest::newRow("keys stop at the top-left corner")
            << S{"start 0 1", "key Left", "key Up", "key Up", "key Return"} << S{"pick 0 0"};
        QTest::newRow("keys stop at the bottom-right corner, sample half off the screen")
            << S{"start 795 799", "key Shift+Right", "key Down", "key Return"} << S{"pick 799 799"};
        QTest::newRow("other keys do nothing")
            << S{"start 50 50", "key A", "key Space", "release 50 50"} << S{"pick 50 50"};
        QTest::newRow("escape gives up")
            << S{"start 50 50", "move 60 60", "key Escape"} << S{"fail"};
        QTest::newRow("closed window fails") << S{"start 10 10", "close"} << S{"fail"};
        QTest::newRow("stopped session is not reported")
            << S{"start 10 10", "stop", "release 10 10"} << S{};
        QTest::newRow("null grab fails") << S{"blind", "start 100 100"} << S{"fail"};
        QTest::newRow("screen turning unreadable fails")
            << S{"start 100 100", "blind", "move 110 110"} << S{"fail"};
        QTest::newRow("a new session ends the old one as a failure")
            << S{"start 10 10", "start 20 20", "release 20 20"} << S{"fail", "pick 20 20"};
    }

    void session() {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, reports);
        Session session;
        for (const QString& step : steps) {
            session.perform(step);
        }
        QCOMPARE(session.delegate.reports, reports);
        QVERIFY(!session.magnifier.window()->isVisible());
        for (const QRect& request : session.sampler.requests) {
            QCOMPARE(request.size(), QSize(15, 15));  // never more than around the pointer
        }
        session.perform("release 10 10");  // after the session: nothing more is reported
        QCOMPARE(session.delegate.reports, reports);
    }
};

QTEST_MAIN(LoupeTest)
#include "ui_loupe_qtest.moc"
