// The screen loupe on a synthetic screen: following the pointer, keys, picking and failing.
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include "UiTestSupport.h"
#include "ui/LoupeGeometry.h"
#include "ui/LoupeWindow.h"
#include "ui/ScreenMagnifier.h"
#include "ui/ScreenSampler.h"

using namespace hueloupe;
using namespace hueloupe::testing;

namespace {

// Every pixel's colour tells where it is.
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
        if (unreadable) {
            return {};
        }
        return screen_.copy(deviceRect);  // parts beyond the screen come out transparent
    }

    bool unreadable = false;
    std::vector<QRect> requests;

private:
    QImage screen_;
};

class RecordingDelegate final : public MagnifierDelegate {
public:
    void magnifierDidSelectColor(Magnifier* /*magnifier*/, const ColorValue& color) override {
        reports.emplace_back(color);
    }
    void magnifierDidFailToSelectColor(Magnifier* /*magnifier*/) override {
        reports.emplace_back(std::nullopt);
    }

    std::vector<std::optional<ColorValue>> reports;
};

ColorValue colourAt(QPoint pixel) {
    const QRgb rgb = syntheticPixel(pixel.x(), pixel.y());
    return {qRed(rgb) / 255.0, qGreen(rgb) / 255.0, qBlue(rgb) / 255.0, 1.0};
}

// One step of a session, written as text: "move X Y", "release X Y", "key NAME".
void perform(LoupeWindow* window, const QString& step) {
    const QStringList words = step.split(' ');
    if (words[0] == "move" || words[0] == "release") {
        const QPointF global(words[1].toDouble(), words[2].toDouble());
        const bool move = words[0] == "move";
        QMouseEvent event(move ? QEvent::MouseMove : QEvent::MouseButtonRelease,
                          window->mapFromGlobal(global), global,
                          move ? Qt::NoButton : Qt::LeftButton,
                          move ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window, &event);
        return;
    }
    const QKeySequence key(words[1]);
    const int combined = key[0].toCombined();
    sendKey(window, combined & ~Qt::KeyboardModifierMask,
            Qt::KeyboardModifiers(combined & Qt::KeyboardModifierMask));
}

}  // namespace

class ScreenMagnifierTest : public QObject {
    Q_OBJECT

private:
    QSize screenSize() const { return QGuiApplication::primaryScreen()->geometry().size(); }

private slots:
    void initTestCase() {
        QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), 1.0);
        QVERIFY(screenSize().width() >= 400 && screenSize().height() >= 300);
    }

    void session_data() {
        QTest::addColumn<QPoint>("start");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("picked");
        QTest::addColumn<QPoint>("pixel");
        QTest::newRow("release where pressed")
            << QPoint(123, 45) << QStringList{"release 123 45"} << true << QPoint(123, 45);
        QTest::newRow("follows the pointer")
            << QPoint(10, 10) << QStringList{"move 200 150", "move 300 260", "release 300 260"}
            << true << QPoint(300, 260);
        QTest::newRow("arrows move one pixel")
            << QPoint(100, 100) << QStringList{"key Right", "key Right", "key Down", "key Return"}
            << true << QPoint(102, 101);
        QTest::newRow("shift arrows move ten")
            << QPoint(100, 100) << QStringList{"key Shift+Left", "key Shift+Up", "key Enter"}
            << true << QPoint(90, 90);
        QTest::newRow("keys stop at the screen's corner")
            << QPoint(0, 1) << QStringList{"key Left", "key Up", "key Up", "key Return"} << true
            << QPoint(0, 0);
        QTest::newRow("pick in the far corner, sample half off screen")
            << QPoint(-1, -1) << QStringList{"key Return"} << true << QPoint(-1, -1);
        QTest::newRow("escape gives up")
            << QPoint(50, 50) << QStringList{"move 60 60", "key Escape"} << false << QPoint();
        QTest::newRow("other keys do nothing")
            << QPoint(50, 50) << QStringList{"key A", "key Space", "release 50 50"} << true
            << QPoint(50, 50);
    }

    void session() {
        QFETCH(QPoint, start);
        QFETCH(QStringList, steps);
        QFETCH(bool, picked);
        QFETCH(QPoint, pixel);
        const QPoint corner(screenSize().width() - 1, screenSize().height() - 1);
        if (start == QPoint(-1, -1)) {
            start = corner;
            pixel = corner;
        }
        SyntheticSampler sampler(screenSize());
        ScreenMagnifier magnifier(sampler);
        RecordingDelegate delegate;
        magnifier.trackAt(start, &delegate);
        LoupeWindow* window = magnifier.window();
        QVERIFY(window->isVisible());
        QVERIFY(delegate.reports.empty());
        for (const QString& step : steps) {
            perform(window, step);
        }
        QCOMPARE(delegate.reports.size(), std::size_t{1});
        QCOMPARE(delegate.reports.front().has_value(), picked);
        if (picked) {
            QCOMPARE(loupe::hexText(*delegate.reports.front()), loupe::hexText(colourAt(pixel)));
            QVERIFY(*delegate.reports.front() == colourAt(pixel));
        }
        QVERIFY(!window->isVisible());
        // Each update reads only the small square around the pointer.
        for (const QRect& request : sampler.requests) {
            QCOMPARE(request.size(), QSize(15, 15));
        }
        perform(window, "release 10 10");  // after the session: nothing more is reported
        QCOMPARE(delegate.reports.size(), std::size_t{1});
    }

    void loupeSitsBesideThePointer() {
        SyntheticSampler sampler(screenSize());
        ScreenMagnifier magnifier(sampler);
        RecordingDelegate delegate;
        magnifier.trackAt(QPoint(100, 80), &delegate);
        LoupeWindow* window = magnifier.window();
        QCOMPARE(window->pos(), QPoint(124, 104));
        QCOMPARE(window->hotSpot(), QPoint(100, 80));
        perform(window, "move 390 290");  // near the bottom-right: flips to the upper left
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(window->pos(), loupe::loupePosition({390, 290}, window->size(), screen));
        QCOMPARE(loupe::hexText(*window->centreColor()), loupe::hexText(colourAt({390, 290})));
        magnifier.stopTracking(&delegate);
        QVERIFY(!window->isVisible());
        QVERIFY(delegate.reports.empty());  // a stopped session is not reported
    }

    void unreadableScreenFails() {
        SyntheticSampler sampler(screenSize());
        sampler.unreadable = true;
        ScreenMagnifier magnifier(sampler);
        RecordingDelegate delegate;
        magnifier.trackAt(QPoint(100, 100), &delegate);
        QCOMPARE(delegate.reports.size(), std::size_t{1});
        QVERIFY(!delegate.reports.front().has_value());
        QVERIFY(!magnifier.window()->isVisible());
    }

    void screenBecomingUnreadableFails() {
        SyntheticSampler sampler(screenSize());
        ScreenMagnifier magnifier(sampler);
        RecordingDelegate delegate;
        magnifier.trackAt(QPoint(100, 100), &delegate);
        sampler.unreadable = true;
        perform(magnifier.window(), "move 110 110");
        QCOMPARE(delegate.reports.size(), std::size_t{1});
        QVERIFY(!delegate.reports.front().has_value());
    }

    void aNewSessionEndsTheOldOneAsAFailure() {
        SyntheticSampler sampler(screenSize());
        ScreenMagnifier magnifier(sampler);
        RecordingDelegate first;
        RecordingDelegate second;
        magnifier.trackAt(QPoint(10, 10), &first);
        magnifier.trackAt(QPoint(20, 20), &second);
        QCOMPARE(first.reports.size(), std::size_t{1});
        QVERIFY(!first.reports.front().has_value());
        perform(magnifier.window(), "release 20 20");
        QCOMPARE(second.reports.size(), std::size_t{1});
        QVERIFY(*second.reports.front() == colourAt({20, 20}));
    }

    void closingTheWindowFails() {
        SyntheticSampler sampler(screenSize());
        ScreenMagnifier magnifier(sampler);
        RecordingDelegate delegate;
        magnifier.trackAt(QPoint(10, 10), &delegate);
        magnifier.window()->close();
        QCOMPARE(delegate.reports.size(), std::size_t{1});
        QVERIFY(!delegate.reports.front().has_value());
    }
};

QTEST_MAIN(ScreenMagnifierTest)
#include "ui_screen_magnifier_qtest.moc"
