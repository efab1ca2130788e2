// The colour well: where a press starts the loupe, the inactive application's held press,
// what a pick does, and the overlay's hint and messages over time and their geometry.
#include <QImage>
#include <QTest>

#include "UiTestSupport.h"
#include "platform/ColorAdapters.h"
#include "platform/ManualScheduler.h"
#include "ui/ActionlessLayerDelegate.h"
#include "ui/MessageOverlay.h"
#include "ui/ModernColorWell.h"
#include "ui/ModernColorWellDelegate.h"

using namespace hueloupe;
using namespace hueloupe::testing;

namespace {

constexpr ColorValue kPicked{0.2, 0.4, 0.6, 1.0};

// Records what the delegate hears and what the well shows at that moment.
class RecordingWellDelegate final : public ModernColorWellDelegate {
public:
    void colorChanged(const ColorValue& color) override {
        heard.push_back(color);
        shownColor = well->color();
        const QImage shown = well->grab().toImage();
        shownPixel = shown.pixel(shown.width() / 2, shown.height() / 2);
    }

    ModernColorWell* well = nullptr;
    std::vector<ColorValue> heard;
    ColorValue shownColor;
    QRgb shownPixel = 0;
};

}  // namespace

class ColorWellTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ManualScheduler> scheduler_;
    std::unique_ptr<FakeApplicationState> app_;
    std::unique_ptr<FakeMagnifier> magnifier_;
    std::unique_ptr<ScopedMagnifier> scoped_;
    std::unique_ptr<RecordingWellDelegate> delegate_;
    std::unique_ptr<ModernColorWell> well_;

    void makeWell(QSize size) {
        well_ = std::make_unique<ModernColorWell>();
        well_->resize(size);
        well_->setScheduler(*scheduler_);
        well_->setApplicationState(*app_);
        well_->setDelegate(delegate_.get());
        delegate_->well = well_.get();
    }

    // A press at a height above the well's bottom edge (the well is 100 high).
    QPointF above(const QString& fromBottom) const { return {50.0, 100 - fromBottom.toDouble()}; }

    // One step of a scenario: "[MS] VERB [ARGUMENT]"; a leading time (ms since the start)
    // first moves the virtual clock there.
    void perform(const QString& step) {
        QString verb = step.section(' ', 0, 0);
        QString argument = step.section(' ', 1);
        bool timed = false;
        const int atMs = verb.toInt(&timed);
        if (timed) {
            scheduler_->advance(std::chrono::milliseconds(atMs) - scheduler_->now());
            verb = argument.section(' ', 0, 0);
            argument = argument.section(' ', 1);
        }
        const QString text = argument == "hint" ? ModernColorWell::kHint : argument;
        if (verb == "awake") {
            well_->awakeFromNib();
            QCOMPARE(well_->findChildren<MessageOverlay*>().size(), 1);
        } else if (verb == "inactive") {
            app_->active = false;
        } else if (verb == "nodelegate") {
            well_->setDelegate(nullptr);
        } else if (verb == "press") {
            press(well_.get(), above(argument));
        } else if (verb == "move") {  // the pointer only: the press stays where it was
            QTest::mouseMove(well_.get(), above(argument).toPoint());
        } else if (verb == "release") {
            release(well_.get(), above("2"));
        } else if (verb == "pick") {
            magnifier_->succeed(kPicked);
            QVERIFY(well_->color() == kPicked);
            if (well_->delegate() != nullptr) {
                QCOMPARE(delegate_->heard.size(), std::size_t{1});
                QVERIFY(delegate_->heard.front() == kPicked);
                QVERIFY(delegate_->shownColor == kPicked);  // shown before the delegate hears
                QCOMPARE(delegate_->shownPixel, makeSRGBColor(kPicked).rgb());
            }
        } else if (verb == "fail") {
            const ColorValue before = well_->color();
            magnifier_->fail();
            QVERIFY(well_->color() == before);
            QVERIFY(delegate_->heard.empty());
        } else if (verb == "destroy") {
            well_.reset();
        } else if (verb == "show") {
            well_->showMessage(text);
        } else if (verb == "shown" || verb == "hidden") {
            QCOMPARE(well_->messageLayer()->opacity(), verb == "shown" ? 1.0 : 0.0);
            QCOMPARE(well_->messageToken().has_value(), verb == "shown");
            QCOMPARE(well_->messageLayer()->text(), text);
        } else if (verb == "token") {
            QCOMPARE(well_->mouseDownToken().has_value(), argument == "1");
        } else if (verb == "sessions") {
            QCOMPARE(magnifier_->sessions, argument.toInt());
        } else if (verb == "stops") {
            QCOMPARE(magnifier_->stops, argument.toInt());
        } else if (verb == "activations") {
            QCOMPARE(qsizetype(app_->activatedWindows.size()), argument.toInt());
        } else {
            QFAIL(qPrintable("unknown step " + step));
        }
    }

private slots:
    void init() {
        scheduler_ = std::make_unique<ManualScheduler>();
        app_ = std::make_unique<FakeApplicationState>();
        magnifier_ = std::make_unique<FakeMagnifier>();
        scoped_ = std::make_unique<ScopedMagnifier>(*magnifier_);
        delegate_ = std::make_unique<RecordingWellDelegate>();
        makeWell({120, 100});
    }

    void cleanup() {
        well_.reset();
        scoped_.reset();
    }

    void scenario_data() {
        QTest::addColumn<QStringList>("steps");
        using S = QStringList;
        QTest::newRow("press at 25 from the bottom")
            << S{"press 25", "sessions 0", "token 1", "release", "token 0"};
        QTest::newRow("press at 25.5") << S{"press 25.5", "sessions 1"};
        QTest::newRow("inactive: released after 0.2 s")
            << S{"inactive", "0 press 50", "200 release", "1000 sessions 0"};
        QTest::newRow("inactive: held past 0.3 s, the press's own place counts")
            << S{"inactive", "0 press 50", "0 move 2", "299 sessions 0", "300 sessions 1"};
        QTest::newRow("inactive: held in the bottom strip")
            << S{"inactive", "0 press 20", "1000 sessions 0"};
        QTest::newRow("inactive: two presses within 0.3 s")
            << S{"inactive",     "0 press 50",     "50 release",
                 "100 press 60", "300 sessions 0", "400 sessions 1"};
        QTest::newRow("pick") << S{"press 50", "pick", "activations 0", "token 1"};
        QTest::newRow("inactive pick activates, clears the press")
            << S{"inactive", "0 press 50", "300 pick", "activations 1", "token 0"};
        QTest::newRow("failed pick") << S{"press 50", "fail"};
        QTest::newRow("pick without a delegate") << S{"nodelegate", "press 50", "pick"};
        QTest::newRow("destroyed well ends its session") << S{"press 50", "destroy", "stops 1"};
        QTest::newRow("destroyed well ignores its pending steps")
            << S{"awake", "inactive", "0 press 50", "destroy", "3000 sessions 0"};
        QTest::newRow("hint expires at 2.0 s") << S{"awake", "1999 shown hint", "2000 hidden hint"};
        QTest::newRow("message at 1.5 s outlives the hint's step")
            << S{"awake", "1500 show copied", "2299 shown copied", "2300 hidden copied"};
        QTest::newRow("copied at 0, pasted at 0.5") << S{
            "awake", "0 show copied", "500 show pasted", "1299 shown pasted", "1300 hidden pasted"};
        QTest::newRow("same text twice gets a full 0.8 s")
            << S{"awake", "3000 show copied", "3400 show copied", "4199 shown copied",
                 "4200 hidden copied"};
        QTest::newRow("message on the hidden overlay") << S{
            "awake", "2500 show invalid CSS", "3299 shown invalid CSS", "3300 hidden invalid CSS"};
        QTest::newRow("empty message") << S{"awake", "3000 show", "3799 shown", "3800 hidden"};
        QTest::newRow("message before set-up") << S{"0 show copied", "800 hidden copied"};
        QTest::newRow("second set-up replaces the overlay")
            << S{"awake", "100 show copied", "awake", "2099 shown hint", "2100 hidden hint"};
    }

    void scenario() {
        QFETCH(QStringList, steps);
        for (const QString& step : steps) {
            perform(step);
            if (QTest::currentTestFailed()) {
                QFAIL(qPrintable("at step " + step));
            }
        }
    }

    void layerDelegateAnimatesAllButContents() {
        const ActionlessLayerDelegate delegate;
        QCOMPARE(delegate.actionForKey(u"contents"), LayerAction::none);
        for (const QString key : {"opacity", "string", "Contents", "contents ", ""}) {
            QVERIFY2(delegate.actionForKey(key) == LayerAction::standard, qPrintable(key));
        }
    }

    // Bottom-up: x 20 .. width - 20, y 46 .. 88 (hint) or 46 .. 74 (message), kept from the
    // bottom when the well grows.
    void overlayGeometry_data() {
        QTest::addColumn<QSize>("wellSize");
        QTest::addColumn<QRect>("hintRect");
        QTest::addColumn<QRect>("messageRect");
        QTest::newRow("100 wide") << QSize(100, 120) << QRect(20, 32, 60, 42)
                                  << QRect(20, 46, 60, 28);
        QTest::newRow("narrower than the insets")
            << QSize(30, 120) << QRect(20, 32, 0, 42) << QRect(20, 46, 0, 28);
    }

    void overlayGeometry() {
        QFETCH(QSize, wellSize);
        QFETCH(QRect, hintRect);
        QFETCH(QRect, messageRect);
        makeWell(wellSize);
        well_->awakeFromNib();
        MessageOverlay* overlay = well_->messageLayer();
        QCOMPARE(overlay->geometry(), hintRect);
        QVERIFY(overlay->isWrapped() && !overlay->truncatesAtEnd());
        well_->showMessage("copied");
        QCOMPARE(overlay->geometry(), messageRect);
        QVERIFY(!overlay->isWrapped() && overlay->truncatesAtEnd());
        well_->show();
        well_->resize(wellSize + QSize(100, 30));
        QCOMPARE(overlay->geometry(), messageRect.translated(0, 30));
    }

    void textChangesAtOnceAndExpiryFades() {
        well_->awakeFromNib();
        MessageOverlay* overlay = well_->messageLayer();
        QCOMPARE(overlay->fadeDuration(), 250);
        scheduler_->advance(std::chrono::milliseconds(1000));
        well_->showMessage("copied");  // new text and height over the visible hint: no fade
        QVERIFY(!overlay->isFading());
        QCOMPARE(overlay->presentedOpacity(), 1.0);
        scheduler_->advance(std::chrono::milliseconds(800));
        QVERIFY(overlay->isFading());
        QVERIFY(overlay->presentedOpacity() > 0.0);
    }

    void messageOnTheHiddenOverlayFadesIn() {
        well_->awakeFromNib();
        MessageOverlay* overlay = well_->messageLayer();
        overlay->setFadeDuration(0);
        scheduler_->advance(std::chrono::milliseconds(2000));
        QCOMPARE(overlay->presentedOpacity(), 0.0);
        overlay->setFadeDuration(250);
        well_->showMessage("pasted");
        QCOMPARE(overlay->text(), QString("pasted"));
        QVERIFY(overlay->isFading());
        QVERIFY(overlay->presentedOpacity() < 1.0);
    }
};

QTEST_MAIN(ColorWellTest)
#include "ui_color_well_qtest.moc"
