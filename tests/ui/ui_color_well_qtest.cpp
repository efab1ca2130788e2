// Press handling of the colour well: where a press starts the loupe, the inactive
// application's held press, and what a pick does.
#include <QImage>
#include <QTest>

#include "UiTestSupport.h"
#include "platform/ColorAdapters.h"
#include "platform/ManualScheduler.h"
#include "ui/ModernColorWell.h"
#include "ui/ModernColorWellDelegate.h"

using namespace hueloupe;
using namespace hueloupe::testing;
using namespace std::chrono_literals;

namespace {

constexpr int kWellHeight = 100;

// A press at a height above the well's bottom edge.
QPointF above(qreal fromBottom) {
    return {50.0, kWellHeight - fromBottom};
}

// Records what the delegate hears and what the well shows at that moment.
class RecordingWellDelegate final : public ModernColorWellDelegate {
public:
    explicit RecordingWellDelegate(ModernColorWell& well) : well_(well) {}
    void colorChanged(const ColorValue& color) override {
        heard.push_back(color);
        shownColor = well_.color();
        const QImage shown = well_.grab().toImage();
        shownPixel = shown.pixel(shown.width() / 2, shown.height() / 2);
    }

    std::vector<ColorValue> heard;
    ColorValue shownColor;
    QRgb shownPixel = 0;

private:
    ModernColorWell& well_;
};

}  // namespace

class ColorWellTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ManualScheduler> schedulerStore_;
    std::unique_ptr<FakeApplicationState> appStore_;
    std::unique_ptr<FakeMagnifier> magnifierStore_;
    std::unique_ptr<ScopedMagnifier> scoped_;
    std::unique_ptr<ModernColorWell> well_;

private slots:
    void init() {
        schedulerStore_ = std::make_unique<ManualScheduler>();
        appStore_ = std::make_unique<FakeApplicationState>();
        magnifierStore_ = std::make_unique<FakeMagnifier>();
        scoped_ = std::make_unique<ScopedMagnifier>(*magnifierStore_);
        well_ = std::make_unique<ModernColorWell>();
        well_->resize(120, kWellHeight);
        well_->setScheduler(*schedulerStore_);
        well_->setApplicationState(*appStore_);
    }

    void cleanup() {
        well_.reset();
        scoped_.reset();
    }

    void pressStartsLoupeAboveBottomStrip_data() {
        QTest::addColumn<qreal>("fromBottom");
        QTest::addColumn<int>("sessions");
        QTest::newRow("on the strip's top edge (25)") << 25.0 << 0;
        QTest::newRow("just above it (25.5)") << 25.5 << 1;
        QTest::newRow("inside the strip") << 3.0 << 0;
        QTest::newRow("at the top of the well") << 99.0 << 1;
    }

    void pressStartsLoupeAboveBottomStrip() {
        QFETCH(qreal, fromBottom);
        QFETCH(int, sessions);
        press(well_.get(), above(fromBottom));
        QCOMPARE(magnifierStore_->sessions, sessions);
        QVERIFY(well_->mouseDownToken().has_value());
        release(well_.get(), above(fromBottom));
        QVERIFY(!well_->mouseDownToken().has_value());
    }

    void otherButtonsStartNothing() {
        sendMouse(well_.get(), QEvent::MouseButtonPress, above(50), Qt::RightButton);
        QCOMPARE(magnifierStore_->sessions, 0);
        QVERIFY(!well_->mouseDownToken().has_value());
    }

    // The inactive application waits 0.3 s, then tests the press's own location.
    void inactivePressWaitsForHold_data() {
        QTest::addColumn<qreal>("fromBottom");
        QTest::addColumn<int>("releaseAfterMs");  // -1: held
        QTest::addColumn<int>("sessions");
        QTest::newRow("released after 0.2 s") << 50.0 << 200 << 0;
        QTest::newRow("held past 0.3 s") << 50.0 << -1 << 1;
        QTest::newRow("held in the bottom strip") << 20.0 << -1 << 0;
        QTest::newRow("released after the loupe started") << 50.0 << 400 << 1;
    }

    void inactivePressWaitsForHold() {
        QFETCH(qreal, fromBottom);
        QFETCH(int, releaseAfterMs);
        QFETCH(int, sessions);
        appStore_->active = false;
        press(well_.get(), above(fromBottom));
        QCOMPARE(magnifierStore_->sessions, 0);
        // The pointer moves into the bottom strip meanwhile; only the press's place counts.
        QTest::mouseMove(well_.get(), QPoint(50, kWellHeight - 2));
        if (releaseAfterMs >= 0) {
            schedulerStore_->advance(std::chrono::milliseconds(releaseAfterMs));
            release(well_.get(), above(2));
        }
        schedulerStore_->advance(1s);
        QCOMPARE(magnifierStore_->sessions, sessions);
    }

    void twoInactivePressesOnlyTheSecondStarts() {
        appStore_->active = false;
        press(well_.get(), above(50));
        schedulerStore_->advance(50ms);
        release(well_.get(), above(50));
        schedulerStore_->advance(50ms);
        press(well_.get(), above(60));
        schedulerStore_->advance(200ms);  // the first press's step runs at 0.3 s
        QCOMPARE(magnifierStore_->sessions, 0);
        schedulerStore_->advance(100ms);  // the second's at 0.4 s
        QCOMPARE(magnifierStore_->sessions, 1);
    }

    void pickShowsColourBeforeDelegateHears_data() {
        QTest::addColumn<bool>("active");
        QTest::addColumn<int>("activations");
        QTest::addColumn<bool>("tokenAfterPick");
        QTest::newRow("active: the release clears the token") << true << 0 << true;
        QTest::newRow("inactive: activated, token cleared") << false << 1 << false;
    }

    void pickShowsColourBeforeDelegateHears() {
        QFETCH(bool, active);
        QFETCH(int, activations);
        QFETCH(bool, tokenAfterPick);
        RecordingWellDelegate delegate(*well_);
        well_->setDelegate(&delegate);
        appStore_->active = active;
        press(well_.get(), above(50));
        schedulerStore_->advance(300ms);
        QVERIFY(magnifierStore_->tracking());

        const ColorValue picked{0.2, 0.4, 0.6, 1.0};
        magnifierStore_->succeed(picked);
        QCOMPARE(delegate.heard.size(), std::size_t{1});
        QVERIFY(delegate.heard.front() == picked);
        QVERIFY(delegate.shownColor == picked);
        QCOMPARE(delegate.shownPixel, makeSRGBColor(picked).rgb());
        QCOMPARE(int(appStore_->activatedWindows.size()), activations);
        QCOMPARE(well_->mouseDownToken().has_value(), tokenAfterPick);
    }

    void pickWithoutDelegateStillShows() {
        press(well_.get(), above(50));
        const ColorValue picked{1.0, 0.0, 0.5, 0.5};
        magnifierStore_->succeed(picked);
        QVERIFY(well_->color() == picked);
    }

    void failedPickChangesNothing() {
        RecordingWellDelegate delegate(*well_);
        well_->setDelegate(&delegate);
        const ColorValue before = well_->color();
        press(well_.get(), above(50));
        magnifierStore_->fail();
        QVERIFY(well_->color() == before);
        QVERIFY(delegate.heard.empty());
    }

    void initialColourIsPainted() {
        const QImage shown = well_->grab().toImage();
        QCOMPARE(shown.pixel(10, 10), makeSRGBColor(ColorValue{0.0, 0.7082, 1.0, 1.0}).rgb());
    }

    void destroyedWellEndsItsSession() {
        press(well_.get(), above(50));
        QVERIFY(magnifierStore_->tracking());
        well_.reset();
        QCOMPARE(magnifierStore_->stops, 1);
        QVERIFY(!magnifierStore_->tracking());
    }

    void stepsOfADestroyedWellDoNothing() {
        appStore_->active = false;
        well_->awakeFromNib();
        press(well_.get(), above(50));
        well_.reset();
        schedulerStore_->advance(3s);  // the hold and hint steps find no well
        QCOMPARE(magnifierStore_->sessions, 0);
    }
};

QTEST_MAIN(ColorWellTest)
#include "ui_color_well_qtest.moc"
