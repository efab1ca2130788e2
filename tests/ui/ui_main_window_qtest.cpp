// SPDX-License-Identifier: MIT
// The main window's views over time, and loading them with the window.
#include <map>

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QMenu>

#include "ColorFormatter.h"
#include "CopyPopUpButton.h"
#include "FakeApplicationState.h"
#include "FakePicker.h"
#include "FormatMenuItem.h"
#include "InMemoryPreferences.h"
#include "InterfaceLoader.h"
#include "MainWindow.h"
#include "ManualScheduler.h"
#include "MessageOverlay.h"
#include "ModernColorWell.h"
#include "PickSessions.h"
#include "Scenario.h"

using namespace hueloupe;
using namespace hueloupe::testing;

namespace {

constexpr ColorValue kPicked{0.2, 0.4, 0.6, 1.0};

std::unique_ptr<ColorFormatter> formatter(const char* format) {
    return std::make_unique<ColorFormatter>(format, format, false);
}

// A 100 x 100 well (press/move Y: Y above its bottom) and a copy button with two formats
// ("choose": the second), among fakes; "refuse": no picker available; keys as QKeySequence
// spells them; "hint": the hint's text; "ring": the focus ring on the left.
struct World {
    ManualScheduler scheduler;
    FakeApplicationState app;
    FakePicker picker;
    PickSessions sessions{picker};
    int heard = 0;
    QStringList sent;
    std::unique_ptr<ModernColorWell> well = std::make_unique<ModernColorWell>();
    std::unique_ptr<CopyPopUpButton> button = std::make_unique<CopyPopUpButton>();
    FormatMenuItem* rgb = nullptr;

    World() {
        well->resize(100, 100);
        well->setScheduler(scheduler);
        well->setApplicationState(app);
        QObject::connect(well.get(), &ModernColorWell::colorPicked, well.get(),
                         [this](const ColorValue& color) { colorPicked(color); });
        well->setPickSessions(&sessions);
        button->resize(120, 22);
        button->setScheduler(scheduler);
        button->addItem(formatter("#{rr}{gg}{bb}"), "#00B5FF");
        rgb = button->addItem(formatter("rgb({r}, {g}, {b})"), "rgb(0, 181, 255)");
        QObject::connect(button.get(), &CopyPopUpButton::activated, [this] {
            sent << (button->selectedItem() ? button->selectedItem()->text() : "none");
        });
    }

    void colorPicked(const ColorValue& color) {  // the well already shows it
        ++heard;
        QVERIFY(color == kPicked && well->color() == kPicked);
    }

    void perform(const QString& verb, const QString& argument) {
        const QStringList n = argument.split(' ');
        const QString text = argument == "hint" ? QString(ModernColorWell::kHint) : argument;
        const bool on = argument == "1";
        MessageOverlay* overlay = well ? well->messageLayer() : nullptr;
        QWidget* view = n[0] == "well" ? static_cast<QWidget*>(well.get()) : button.get();
        const std::map<QString, int> counts{{"sessions", picker.starts},
                                            {"stops", picker.ends},
                                            {"activations", int(app.activatedWindows.size())}};
        if (verb == "press" || verb == "release") {
            sendMouse(well.get(), verb == "press", {50, 100 - argument.toDouble()});
        } else if (verb == "move") {  // the pointer only: the press stays where it was
            QTest::mouseMove(well.get(), QPoint(50, 100 - argument.toInt()));
        } else if (verb == "inactive") {
            app.active = false;
        } else if (verb == "nopicker") {
            well->setPickSessions(nullptr);
        } else if (verb == "pick") {
            picker.succeed(kPicked);
            QVERIFY(well->color() == kPicked && heard == 1);
        } else if (verb == "refuse") {
            picker.refuse();
        } else if (verb == "destroy") {
            well.reset();
            button.reset();
        } else if (verb == "awake") {
            well->awakeFromNib();
            QCOMPARE(well->findChildren<MessageOverlay*>().size(), 1);
        } else if (verb == "show") {
            well->showMessage(text);
        } else if (verb == "shown" || verb == "hidden") {
            QCOMPARE(overlay->opacity(), verb == "shown" ? 1.0 : 0.0);
            QCOMPARE(overlay->text(), text);
        } else if (verb == "fading" || verb == "still") {
            QCOMPARE(overlay->isFading(), verb == "fading");
            QVERIFY((overlay->presentedOpacity() == overlay->opacity()) == (verb == "still"));
        } else if (counts.contains(verb)) {
            QCOMPARE(counts.at(verb), argument.toInt());
        } else if (verb == "push" || verb == "lift") {
            sendMouse(button.get(), verb == "push", {30, 10});
        } else if (verb == "choose") {
            rgb->trigger();
        } else if (verb == "empty") {  // no title left: the caret alone, at the right end
            button->removeAllItems();
            const QImage image = button->grab().toImage();
            QVERIFY(button->selectedItem() == nullptr &&
                    image.pixel(110, 12) != image.pixel(5, 12));
        } else if (verb == "sent") {
            QCOMPARE(sent.join(", "), argument);
        } else if (verb == "menu") {
            QVERIFY(button->menuShown() == on && button->itemMenu()->isVisible() == on);
        } else if (verb == "key") {
            const QKeyCombination keys = QKeySequence(argument.section(' ', 1))[0];
            QTest::keyClick(view, keys.key(), keys.keyboardModifiers());
        } else if (verb == "keyevent") {  // well: "press", "repeat" or "release", then the key
            const QKeyCombination keys = QKeySequence(n[1])[0];
            QKeyEvent event(n[0] == "release" ? QEvent::KeyRelease : QEvent::KeyPress, keys.key(),
                            keys.keyboardModifiers(), QString(), n[0] == "repeat");
            QCoreApplication::sendEvent(well.get(), &event);
        } else if (verb == "says") {
            const QAccessibleInterface* said = QAccessible::queryAccessibleInterface(view);
            QCOMPARE(said->text(QAccessible::Name) + " | " + said->text(QAccessible::Description),
                     argument.section(' ', 1));
        } else if (verb == "focus") {
            view->show();
            view->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(view));
            view->setFocus();
        } else if (verb == "ring") {  // highlight outside, highlighted text inside
            const QImage image = view->grab().toImage();
            const QPalette colors = view->palette();
            const int y = view->height() / 2;
            QCOMPARE(image.pixelColor(1, y) == colors.color(QPalette::Highlight) &&
                         image.pixelColor(2, y) == colors.color(QPalette::HighlightedText),
                     n[1] == "1");
        } else if (verb == "pushed") {
            QCOMPARE(button->isDown(), on);
        } else {
            QFAIL(qPrintable("unknown step " + verb));
        }
    }
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void scenario_data() {
        QTest::addColumn<QString>("steps");
        row("the bottom strip ends at 25", "press 25; sessions 0; release; press 25.5; sessions 1");
        row("inactive: released after 0.2 s", "inactive; 0 press 50; 200 release; 1000 sessions 0");
        row("inactive: held past 0.3 s, the press's own place counts",
            "inactive; 0 press 50; 0 move 2; 299 sessions 0; 300 sessions 1");
        row("inactive: two presses within 0.3 s",
            "inactive; 0 press 50; 50 release; 100 press 60; 300 sessions 0; 400 sessions 1");
        row("inactive pick activates", "inactive; 0 press 50; 300 pick; activations 1");
        row("a new press ends the unanswered session",
            "press 50; press 60; sessions 2; stops 1; pick");
        row("no picker available",
            "press 50; refuse; shown no color picker; 800 hidden no color picker");
        row("no picker handed in", "nopicker; press 50; shown no color picker");
        row("destroyed well ends its session", "press 50; destroy; stops 1");
        row("steps of a destroyed well", "awake; inactive; 0 press 50; destroy; 3000 sessions 0");
        row("hint expires at 2.0 s", "awake; 1999 shown hint; 2000 hidden hint");
        row("a message outlasts the hint; the same text again gets a full 0.8 s",
            "awake; 1500 show copied; 1900 show copied; 2699 shown copied; 2700 hidden copied");
        row("second set-up", "awake; 100 show copied; awake; 2099 shown hint; 2100 hidden hint");
        row("instant text, fading", "awake; 1000 show copied; still; 1800 hidden copied; fading");
        row("copy: click within 0.3 s",
            "0 push; pushed 1; 299 sent; lift; pushed 0; sent #00B5FF; 1000 menu 0; sent #00B5FF");
        row("copy: a newer press owns the hold", "0 push; 200 push; 300 menu 0; 500 menu 1");
        row("copy: destroyed button's pending step", "0 push; destroy; 1000 sent");
        row("keys: Return, Enter and Space on the well each start a session",
            "key well Return; sessions 1; key well Enter; sessions 2; stops 1; key well Space; "
            "sessions 3; pick");
        row("keys: the well starts when the key comes up, once",
            "keyevent press Return; sessions 0; keyevent repeat Return; keyevent release Return; "
            "sessions 1; keyevent release Return; sessions 1");
        row("keys: a release whose press the well did not see starts nothing",
            "keyevent release Space; keyevent press Space; keyevent release Return; sessions 0");
        row("keys: other keys on the well start nothing",
            "key well A; key well Ctrl+Return; key well Shift+Space; key well Down; sessions 0");
        row("keys: Down, Shift+Return and A do nothing; Space and Return copy; Menu opens the menu",
            "key button Down; key button Shift+Return; key button A; menu 0; sent; key button "
            "Space; key button Return; sent #00B5FF, #00B5FF; key button Menu; menu 1");
        row("keys: Alt+Down opens the menu, a choice copies",
            "key button Alt+Down; menu 1; sent; choose; sent rgb(0, 181, 255)");
        row("focus: a ring on the view with the focus",
            "ring well 0; ring button 0; focus well; ring well 1; ring button 0; focus button; "
            "ring well 0; ring button 1");
        row("assistive: the well reads its colour",
            "says well Colour well | #00b5ff; press 50; pick; says well Colour well | #336699");
        row("assistive: the copy button reads its title and format",
            "says button Copy #00B5FF | Copies the colour as #{rr}{gg}{bb}; choose; "
            "says button Copy rgb(0, 181, 255) | Copies the colour as rgb({r}, {g}, {b}); empty; "
            "says button Copy | ");
    }

    void scenario() { runScenario<World>(); }

    void loadedWithTheWindow() {
        InMemoryPreferences preferences;
        ManualScheduler scheduler;
        FakeApplicationState app;
        Interface loaded = loadInterface({preferences, scheduler, app});
        QVERIFY(!loaded.playgroundWindow);
        loaded.window->show();
        QVERIFY(QTest::qWaitForWindowActive(loaded.window.get()));
        loaded.colorWell->setFocus();
        QStringList tabs;
        for (int i = 0; i < 4; ++i) {
            tabs << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(tabs,  // round the main window, so all three live in it
                 QStringList({"colorWell", "historyPalette", "colorCopyButton", "colorWell"}));
    }
};

QTEST_MAIN(MainWindowTest)
#include "ui_main_window_qtest.moc"
