// The colour well: where a press starts the loupe, the inactive application's held press,
// what a pick does, the overlay's hint and messages over time, their geometry and fades, and
// the well's loading with the main window.
#include <QImage>
#include <QLabel>
#include <QLineEdit>

#include "UiTestSupport.h"
#include "history/ColorHistoryView.h"
#include "platform/ColorAdapters.h"
#include "platform/InMemoryPreferences.h"
#include "platform/Preferences.h"
#include "ui/ActionlessLayerDelegate.h"
#include "ui/CopyPopUpButton.h"
#include "ui/InterfaceLoader.h"
#include "ui/MainWindow.h"
#include "ui/MessageOverlay.h"
#include "ui/ModernColorWell.h"
#include "ui/ModernColorWellDelegate.h"

using namespace hueloupe;
using namespace hueloupe::testing;

namespace {

constexpr ColorValue kPicked{0.2, 0.4, 0.6, 1.0};

// A 100 x 100 well with fakes around it. Steps (see runScenario): "press/move Y" (Y above the
// bottom edge), "release", "inactive", "nodelegate", "pick", "fail", "destroy", "awake",
// "show TEXT", "shown/hidden TEXT" ("hint": the hint), "frame X Y W H", "resize W H",
// "fade MS", "fading", "still", and counts: "sessions/stops/activations N", "token 0|1".
struct World final : ModernColorWellDelegate {
    ManualScheduler scheduler;
    FakeApplicationState app;
    FakeMagnifier magnifier;
    ScopedMagnifier scoped{magnifier};
    std::vector<ColorValue> heard;
    ColorValue shownWhenHeard;
    QRgb pixelWhenHeard = 0;
    std::unique_ptr<ModernColorWell> well = std::make_unique<ModernColorWell>();

    World() {
        well->resize(100, 100);
        well->setScheduler(scheduler);
        well->setApplicationState(app);
        well->setDelegate(this);
    }

    void colorChanged(const ColorValue& color) override {
        heard.push_back(color);
        shownWhenHeard = well->color();
        pixelWhenHeard = well->grab().toImage().pixel(50, 50);
    }

    void perform(const QString& verb, const QString& argument) {
        const QStringList n = argument.split(' ');
        const QString text = argument == "hint" ? ModernColorWell::kHint : argument;
        MessageOverlay* overlay = well ? well->messageLayer() : nullptr;
        if (verb == "press" || verb == "release") {
            sendMouse(well.get(),
                      verb == "press" ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease,
                      {50, 100 - argument.toDouble()});
        } else if (verb == "move") {  // the pointer only: the press stays where it was
            QTest::mouseMove(well.get(), QPoint(50, 100 - argument.toInt()));
        } else if (verb == "inactive") {
            app.active = false;
        } else if (verb == "nodelegate") {
            well->setDelegate(nullptr);
        } else if (verb == "pick") {
            magnifier.succeed(kPicked);
            QVERIFY(well->color() == kPicked);
            QCOMPARE(heard.size(), std::size_t{well->delegate() != nullptr});
            QVERIFY(heard.empty() || (heard.front() == kPicked && shownWhenHeard == kPicked));
            QVERIFY(heard.empty() || pixelWhenHeard == makeSRGBColor(kPicked).rgb());
        } else if (verb == "fail") {
            const ColorValue before = well->color();
            magnifier.fail();
            QVERIFY(well->color() == before && heard.empty());
        } else if (verb == "destroy") {
            well.reset();
        } else if (verb == "awake") {
            well->awakeFromNib();
            QCOMPARE(well->findChildren<MessageOverlay*>().size(), 1);
        } else if (verb == "show") {
            well->showMessage(text);
        } else if (verb == "shown" || verb == "hidden") {
            QCOMPARE(overlay->opacity(), verb == "shown" ? 1.0 : 0.0);
            QCOMPARE(well->messageToken().has_value(), verb == "shown");
            QCOMPARE(overlay->text(), text);
        } else if (verb == "frame") {  // the hint wraps; a message is one line, cut at its end
            QCOMPARE(overlay->geometry(),
                     QRect(n[0].toInt(), n[1].toInt(), n[2].toInt(), n[3].toInt()));
            QCOMPARE(overlay->isWrapped(), !overlay->truncatesAtEnd());
            QCOMPARE(overlay->isWrapped(), n[3] == "42");
        } else if (verb == "resize") {
            well->show();
            well->resize(n[0].toInt(), n[1].toInt());
        } else if (verb == "fade") {
            overlay->setFadeDuration(argument.toInt());
        } else if (verb == "fading" || verb == "still") {
            QCOMPARE(overlay->isFading(), verb == "fading");
            QVERIFY((overlay->presentedOpacity() == overlay->opacity()) == (verb == "still"));
        } else if (verb == "token") {
            QCOMPARE(well->mouseDownToken().has_value(), argument == "1");
        } else if (verb == "sessions" || verb == "stops" || verb == "activations") {
            const auto count = verb == "sessions" ? magnifier.sessions
                               : verb == "stops"  ? magnifier.stops
                                                  : int(app.activatedWindows.size());
            QCOMPARE(count, argument.toInt());
        } else {
            QFAIL(qPrintable("unknown step " + verb));
        }
    }
};

}  // namespace

class ColorWellTest : public QObject {
    Q_OBJECT

private slots:
    void scenario_data() {
        QTest::addColumn<QStringList>("steps");
        addScenario("press at 25 from the bottom",
                    {"press 25", "sessions 0", "token 1", "release", "token 0"});
        addScenario("press at 25.5", {"press 25.5", "sessions 1"});
        addScenario("inactive: released after 0.2 s",
                    {"inactive", "0 press 50", "200 release", "1000 sessions 0"});
        addScenario("inactive: held past 0.3 s, the press's own place counts",
                    {"inactive", "0 press 50", "0 move 2", "299 sessions 0", "300 sessions 1"});
        addScenario("inactive: held in the bottom strip",
                    {"inactive", "0 press 20", "1000 sessions 0"});
        addScenario("inactive: two presses within 0.3 s",
                    {"inactive", "0 press 50", "50 release", "100 press 60", "300 sessions 0",
                     "400 sessions 1"});
        addScenario("pick shows, then tells", {"press 50", "pick", "activations 0", "token 1"});
        addScenario("inactive pick activates, clears the press",
                    {"inactive", "0 press 50", "300 pick", "activations 1", "token 0"});
        addScenario("failed pick", {"press 50", "fail"});
        addScenario("pick without a delegate", {"nodelegate", "press 50", "pick"});
        addScenario("destroyed well ends its session", {"press 50", "destroy", "stops 1"});
        addScenario("destroyed well ignores its pending steps",
                    {"awake", "inactive", "0 press 50", "destroy", "3000 sessions 0"});
        addScenario("hint expires at 2.0 s", {"awake", "1999 shown hint", "2000 hidden hint"});
        addScenario("message at 1.5 s outlives the hint's step",
                    {"awake", "1500 show copied", "2299 shown copied", "2300 hidden copied"});
        addScenario("copied at 0, pasted at 0.5", {"awake", "0 show copied", "500 show pasted",
                                                   "1299 shown pasted", "1300 hidden pasted"});
        addScenario("same text twice gets a full 0.8 s",
                    {"awake", "3000 show copied", "3400 show copied", "4199 shown copied",
                     "4200 hidden copied"});
        addScenario("empty message", {"awake", "3000 show", "3799 shown", "3800 hidden"});
        addScenario("message before set-up", {"0 show copied", "800 hidden copied"});
        addScenario("second set-up replaces the overlay",
                    {"awake", "100 show copied", "awake", "2099 shown hint", "2100 hidden hint"});
        addScenario("text changes at once, expiry fades",
                    {"awake", "1000 show copied", "still", "1800 hidden copied", "fading"});
        addScenario("message on the hidden overlay fades in",
                    {"awake", "fade 0", "2000 hidden hint", "still", "fade 250",
                     "2500 show invalid CSS", "fading", "3300 hidden invalid CSS"});
        // Bottom-up, x 20 .. width - 20 and y 46 .. 88 (hint) or 46 .. 74 (message).
        addScenario("overlay of a 100-wide well, kept from the bottom",
                    {"awake", "frame 20 12 60 42", "show copied", "frame 20 26 60 28",
                     "resize 200 130", "frame 20 56 60 28"});
        addScenario("overlay of a well narrower than its insets",
                    {"resize 30 100", "awake", "frame 20 12 0 42"});
    }

    void scenario() { runScenario<World>(); }

    void layerDelegateAnimatesAllButContents() {
        const ActionlessLayerDelegate delegate;
        QCOMPARE(delegate.actionForKey(u"contents"), LayerAction::none);
        for (const QString key : {"opacity", "string", "Contents", "contents ", ""}) {
            QVERIFY2(delegate.actionForKey(key) == LayerAction::standard, qPrintable(key));
        }
    }

    void loadedWithTheWindow() {
        InMemoryPreferences preferences;
        const ScopedStandardPreferences scoped(preferences);
        QStringList order;
        const Interface loaded = loadInterface([&](QWidget& view, const Interface& outlets) {
            order << view.objectName();
            QVERIFY(outlets.colorWell && outlets.historyPalette && outlets.colorCopyButton &&
                    outlets.formatterPlaygroundFormatField &&
                    outlets.formatterPlaygroundOutputLabel);  // all connected first
            // The well's own set-up has run by the time the palette's is due.
            QCOMPARE(outlets.colorWell->messageLayer() != nullptr, &view == outlets.historyPalette);
        });
        QCOMPARE(order, QStringList({"colorWell", "historyPalette"}));
        const QWidget* main = loaded.window.get();
        const QWidget* playground = loaded.playgroundWindow.get();
        QVERIFY(playground->isWindow() && !main->isVisible());
        QCOMPARE(loaded.colorWell->window(), main);
        QCOMPARE(loaded.historyPalette->window(), main);
        QCOMPARE(loaded.colorCopyButton->window(), main);
        QCOMPARE(loaded.formatterPlaygroundFormatField->window(), playground);
        QCOMPARE(loaded.formatterPlaygroundOutputLabel->window(), playground);
        QVERIFY(!loaded.formatterPlaygroundFormatField->isReadOnly());
        // The hint was laid out for the well's loaded size, before the window was shown.
        const MessageOverlay* hint = loaded.colorWell->messageLayer();
        const int hintWidth = hint->width();
        loaded.window->show();
        QCOMPARE(hintWidth, loaded.colorWell->width() - 40);
        QCOMPARE(hint->geometry().bottom(), loaded.colorWell->height() - 46 - 1);
        QCOMPARE(hint->text(), ModernColorWell::kHint);
        QVERIFY(loaded.historyPalette->width() >= 158 && loaded.historyPalette->height() >= 26);
    }
};

QTEST_MAIN(ColorWellTest)
#include "ui_color_well_qtest.moc"
