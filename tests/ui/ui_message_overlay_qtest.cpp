// The colour well's overlay: the hint and messages over time, their geometry, and which
// changes fade.
#include <QTest>

#include "UiTestSupport.h"
#include "platform/ManualScheduler.h"
#include "ui/ActionlessLayerDelegate.h"
#include "ui/MessageOverlay.h"
#include "ui/ModernColorWell.h"

using namespace hueloupe;
using namespace hueloupe::testing;
using namespace std::chrono_literals;

namespace {

struct Message {
    int atMs;
    QString text;
};

// What the overlay shows at a moment: its target opacity, whether a text may still expire,
// and the text.
struct Check {
    int atMs;
    qreal opacity;
    bool tokenSet;
    QString text;
};

using Messages = QList<Message>;
using Checks = QList<Check>;

const QString hint = ModernColorWell::kHint;

}  // namespace

Q_DECLARE_METATYPE(Messages)
Q_DECLARE_METATYPE(Checks)

class MessageOverlayTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ManualScheduler> scheduler_;
    std::unique_ptr<ModernColorWell> well_;

    void makeWell(QSize size) {
        well_ = std::make_unique<ModernColorWell>();
        well_->resize(size);
        well_->setScheduler(*scheduler_);
    }

    void advanceTo(int ms) {
        scheduler_->advance(std::chrono::milliseconds(ms) - scheduler_->now());
    }

private slots:
    void init() {
        scheduler_ = std::make_unique<ManualScheduler>();
        makeWell({100, 120});
    }

    void cleanup() { well_.reset(); }

    void layerDelegateAnswers_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("animated");
        QTest::newRow("contents") << "contents" << false;
        QTest::newRow("opacity") << "opacity" << true;
        QTest::newRow("bounds") << "bounds" << true;
        QTest::newRow("string") << "string" << true;
        QTest::newRow("other case") << "Contents" << true;
        QTest::newRow("longer") << "contents " << true;
        QTest::newRow("empty") << "" << true;
    }

    void layerDelegateAnswers() {
        QFETCH(QString, key);
        QFETCH(bool, animated);
        const ActionlessLayerDelegate delegate;
        QCOMPARE(delegate.actionForKey(key) == LayerAction::standard, animated);
    }

    void overlayOverTime_data() {
        QTest::addColumn<Messages>("messages");
        QTest::addColumn<Checks>("checks");
        QTest::newRow("hint expires at 2.0 s")
            << Messages{}
            << Checks{{0, 1, true, hint}, {1999, 1, true, hint}, {2000, 0, false, hint}};
        QTest::newRow("message at 1.5 s outlives the hint's step")
            << Messages{{1500, "copied"}}
            << Checks{{1500, 1, true, "copied"},
                      {2000, 1, true, "copied"},
                      {2299, 1, true, "copied"},
                      {2300, 0, false, "copied"}};
        QTest::newRow("message at 1.0 s fades at 1.8 s") << Messages{{1000, "copied"}}
                                                         << Checks{{1799, 1, true, "copied"},
                                                                   {1800, 0, false, "copied"},
                                                                   {2000, 0, false, "copied"}};
        QTest::newRow("copied at 0, pasted at 0.5") << Messages{{3000, "copied"}, {3500, "pasted"}}
                                                    << Checks{{3499, 1, true, "copied"},
                                                              {3500, 1, true, "pasted"},
                                                              {3800, 1, true, "pasted"},
                                                              {4299, 1, true, "pasted"},
                                                              {4300, 0, false, "pasted"}};
        QTest::newRow("same text twice gets a full 0.8 s again")
            << Messages{{3000, "copied"}, {3400, "copied"}}
            << Checks{{3800, 1, true, "copied"},
                      {4199, 1, true, "copied"},
                      {4200, 0, false, "copied"}};
        QTest::newRow("message on the hidden overlay shows it again")
            << Messages{{2500, "invalid CSS"}}
            << Checks{{2499, 0, false, hint},
                      {2500, 1, true, "invalid CSS"},
                      {3300, 0, false, "invalid CSS"}};
        QTest::newRow("empty text still expires")
            << Messages{{3000, ""}} << Checks{{3799, 1, true, ""}, {3800, 0, false, ""}};
    }

    void overlayOverTime() {
        QFETCH(Messages, messages);
        QFETCH(Checks, checks);
        well_->awakeFromNib();
        well_->messageLayer()->setFadeDuration(0);
        qsizetype next = 0;
        for (const Check& check : checks) {
            // Messages due by this check are shown at their own moment first.
            while (next < messages.size() && messages[next].atMs <= check.atMs) {
                advanceTo(messages[next].atMs);
                well_->showMessage(messages[next].text);
                ++next;
            }
            advanceTo(check.atMs);
            const QString where = QStringLiteral("at %1 ms").arg(check.atMs);
            QVERIFY2(qFuzzyCompare(well_->messageLayer()->opacity(), check.opacity),
                     qPrintable(where));
            QVERIFY2(well_->messageToken().has_value() == check.tokenSet, qPrintable(where));
            QCOMPARE(well_->messageLayer()->text(), check.text);
        }
    }

    void overlayGeometry_data() {
        QTest::addColumn<QSize>("wellSize");
        QTest::addColumn<QRect>("hintRect");
        QTest::addColumn<QRect>("messageRect");
        // Bottom-up: x 20 .. width - 20, y 46 .. 88 (hint) or 46 .. 74 (message).
        QTest::newRow("100 wide") << QSize(100, 120) << QRect(20, 32, 60, 42)
                                  << QRect(20, 46, 60, 28);
        QTest::newRow("300 x 200")
            << QSize(300, 200) << QRect(20, 112, 260, 42) << QRect(20, 126, 260, 28);
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
        QVERIFY(overlay->isWrapped());
        QVERIFY(!overlay->truncatesAtEnd());
        well_->showMessage("copied");
        QCOMPARE(overlay->geometry(), messageRect);
        QVERIFY(!overlay->isWrapped());
        QVERIFY(overlay->truncatesAtEnd());
    }

    void geometryIsKeptFromTheBottomOnResize() {
        well_->awakeFromNib();
        well_->show();
        well_->resize(200, 150);
        QCOMPARE(well_->messageLayer()->geometry(), QRect(20, 62, 60, 42));
    }

    void textChangesAtOnceAndOpacityFades() {
        well_->awakeFromNib();
        MessageOverlay* overlay = well_->messageLayer();
        QCOMPARE(overlay->fadeDuration(), 250);
        // A message over the visible hint: new text, new height, nothing animates.
        advanceTo(1000);
        well_->showMessage("copied");
        QVERIFY(!overlay->isFading());
        QCOMPARE(overlay->presentedOpacity(), 1.0);
        QCOMPARE(overlay->geometry().height(), 28);
        // Its expiry fades the overlay out rather than cutting it.
        advanceTo(1800);
        QVERIFY(overlay->isFading());
        QCOMPARE(overlay->opacity(), 0.0);
        QVERIFY(overlay->presentedOpacity() > 0.0);
    }

    void messageOnTheHiddenOverlayFadesIn() {
        well_->awakeFromNib();
        MessageOverlay* overlay = well_->messageLayer();
        overlay->setFadeDuration(0);
        advanceTo(2000);
        QCOMPARE(overlay->presentedOpacity(), 0.0);
        overlay->setFadeDuration(250);
        well_->showMessage("pasted");
        // The text is there at once, without a cross-fade; the overlay fades in.
        QCOMPARE(overlay->text(), QString("pasted"));
        QCOMPARE(overlay->opacity(), 1.0);
        QVERIFY(overlay->isFading());
        QVERIFY(overlay->presentedOpacity() < 1.0);
    }

    void messageBeforeSetUp() {
        well_->showMessage("copied");
        MessageOverlay* overlay = well_->messageLayer();
        QVERIFY(overlay != nullptr);
        QCOMPARE(overlay->text(), QString("copied"));
        QCOMPARE(overlay->geometry(), QRect(20, 46, 60, 28));
        overlay->setFadeDuration(0);
        advanceTo(800);
        QCOMPARE(overlay->opacity(), 0.0);
        QVERIFY(!well_->messageToken().has_value());
    }

    void secondSetUpReplacesTheOverlay() {
        well_->awakeFromNib();
        well_->showMessage("copied");
        well_->awakeFromNib();
        QCOMPARE(well_->findChildren<MessageOverlay*>().size(), 1);
        QCOMPARE(well_->messageLayer()->text(), hint);
        QCOMPARE(well_->messageLayer()->geometry().height(), 42);
    }
};

QTEST_MAIN(MessageOverlayTest)
#include "ui_message_overlay_qtest.moc"
