// SPDX-License-Identifier: MIT
// The application: the controller on the real interface and its menu commands.
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>

#include "AppDelegate.h"
#include "ColorHistoryView.h"
#include "ColorPanel.h"
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

using namespace hueloupe;

namespace {

ColorValue rgb255(int r, int g, int b) {
    return {r / 255.0, g / 255.0, b / 255.0, 1.0};
}

const ColorValue kFirstLaunch = rgb255(254, 233, 141);
constexpr ColorValue kWellInitial{0.0, 0.7082, 1.0, 1.0};  // the well's own, before launch
enum class Road { Chip, ChipKey, Panel, Loupe, Paste, PastePlain };

// Rows 8 to 11: titles that are fixed labels, whatever the colour.
const QStringList kLabels{"NSColor (Swift)", "NSColor (Objective-C, 10.7+)", "UIColor (Swift)",
                          "UIColor (Objective-C)"};

// What the menu shows for a colour, worked out by hand: row 1's title and the hsla() text,
// which is row 7's title and, until the user types another format, the playground's output.
struct Shown {
    QString hex;
    QString hsla;
};
const Shown kFirstLaunchShown{"#fee98d", "hsla(49, 98%, 77%, 1.0)"};

// As App::menu() gives it, with the selected row and the tooltip (the last copied title).
QStringList menuFor(const Shown& shown, int row, const QString& toolTip) {
    return {shown.hex, shown.hsla, "labels", QString::number(row), toolTip, shown.hsla};
}

// Launched with settings in memory, a private colour panel, virtual time, a fake application
// and a counted beep.
struct App {
    explicit App(const QVariantMap& seeded = {}) {
        AppDelegate::initialize(settings);
        for (const auto& [key, value] : seeded.asKeyValueRange()) settings.setObject(value, key);
        seedWrites = settings.writeCount();
        ui = loadInterface({settings, scheduler, application});
        ui.colorWell->setPicker(&picker);
        controller.setBeep([this] { ++beeps; });
        controller.connectOutlets(ui);
        controller.applicationWillFinishLaunching();
    }
    CopyPopUpButton& button() const { return *ui.colorCopyButton; }
    QStringList titles() const {
        QStringList titles;
        for (const FormatMenuItem* item : button().items()) titles << item->text();
        return titles;
    }
    QStringList menu() const {
        const QStringList all = titles();
        return {all.value(0),
                all.value(6),
                all.mid(7) == kLabels ? "labels" : all.mid(7).join(", "),
                QString::number(button().items().indexOf(button().selectedItem())),
                button().toolTip(),
                controller.playgroundOutput()};
    }
    int writes() const { return settings.writeCount() - seedWrites; }
    // A menu command of the main window, as its shortcut triggers it.
    void command(const QKeySequence& keys) {
        for (QAction* action : ui.window->menuBar()->findChildren<QAction*>()) {
            if (action->shortcuts().contains(keys)) {
                action->trigger();
            }
        }
    }

    InMemoryPreferences settings;
    ManualScheduler scheduler;
    FakeApplicationState application;
    testing::FakePicker picker;
    ColorPanel panel;
    Interface ui;
    AppDelegate controller{settings, panel};
    int beeps = 0;
    int seedWrites = 0;
};

}  // namespace

class AppDelegateTest : public QObject {
    Q_OBJECT

private slots:
    // The eleven titles for one colour, each worked out by hand.
    void menuTitlesForOneColour() {
        const App app({{AppDelegate::kLastColorKey, "#bce368"}});
        QCOMPARE(app.titles(), QStringList({"#bce368", "#be6", "bce368", "rgb(188, 227, 104)",
                                            "rgba(188, 227, 104, 1.0)", "hsl(79, 69%, 65%)",
                                            "hsla(79, 69%, 65%, 1.0)"}) +
                                   kLabels);
    }

    void launchRestoresTheStoredChoices_data() {
        QTest::addColumn<QVariantMap>("seeded");
        QTest::addColumn<ColorValue>("well");
        QTest::addColumn<QStringList>("menu");
        const QString c = AppDelegate::kLastColorKey, f = AppDelegate::kLastFormatterKey;
        const Shown initial{"#00b5ff", "hsla(198, 100%, 50%, 1.0)"};
        const Shown lime{"#00ff00", "hsla(120, 100%, 50%, 1.0)"};
        QTest::newRow("nothing stored")
            << QVariantMap{} << kFirstLaunch << menuFor(kFirstLaunchShown, 0, "#fee98d");
        QTest::newRow("not a colour")
            << QVariantMap{{c, "nonsense"}} << kWellInitial << menuFor(initial, 0, "#00b5ff");
        QTest::newRow("a list") << QVariantMap{{c, QStringList{"red"}}} << kWellInitial
                                << menuFor(initial, 0, "#00b5ff");
        QTest::newRow("by hand") << QVariantMap{{c, "lime"}} << rgb255(0, 255, 0)
                                 << menuFor(lime, 0, "#00ff00");
        QTest::newRow("row 6") << QVariantMap{{f, "hsl({h}, {s}%, {l}%)"}} << kFirstLaunch
                               << menuFor(kFirstLaunchShown, 5, "hsl(49, 98%, 77%)");
        QTest::newRow("a label") << QVariantMap{{f, "NSColor (Swift)"}} << kFirstLaunch
                                 << menuFor(kFirstLaunchShown, 0, "#fee98d");
    }

    // Nothing is written (unreadable text stays); the playground shows row 7's format.
    void launchRestoresTheStoredChoices() {
        QFETCH(QVariantMap, seeded);
        QFETCH(ColorValue, well);
        QFETCH(QStringList, menu);
        const App app(seeded);
        QCOMPARE(app.ui.colorWell->color(), well);
        QVERIFY(app.panel.color() == well && app.ui.window->isVisible());
        QCOMPARE(app.menu(), menu);
        QCOMPARE(app.writes(), 0);
    }

    void colourChangesTakeOneRoad_data() {
        QTest::addColumn<Road>("road");
        QTest::addColumn<QString>("pasted");    // null: an empty clipboard
        QTest::addColumn<ColorValue>("color");  // the first-launch colour: refused
        QTest::addColumn<QString>("hex");       // as stored; empty: refused, nothing stored
        QTest::addColumn<QString>("hsla");
        const ColorValue halfRed{1, 0, 0, 0.5};
        const QString firstHsla = kFirstLaunchShown.hsla;
        QTest::newRow("history chip") << Road::Chip << "" << rgb255(188, 227, 104) << "#bce368"
                                      << "hsla(79, 69%, 65%, 1.0)";
        QTest::newRow("history chip, Enter")
            << Road::ChipKey << "" << rgb255(188, 227, 104) << "#bce368"
            << "hsla(79, 69%, 65%, 1.0)";
        QTest::newRow("colour dialog") << Road::Panel << "" << rgb255(255, 0, 255) << "#ff00ff"
                                       << "hsla(300, 100%, 50%, 1.0)";
        QTest::newRow("loupe") << Road::Loupe << "" << rgb255(0, 128, 255) << "#0080ff"
                               << "hsla(210, 100%, 50%, 1.0)";
        QTest::newRow("paste, alpha") << Road::Paste << "rgba(255,0,0,.5)" << halfRed << "#ff0000"
                                      << "hsla(0, 100%, 50%, 0.5)";
        QTest::newRow("paste nothing")
            << Road::PastePlain << QString() << kFirstLaunch << "" << firstHsla;
        QTest::newRow("10 MB") << Road::Paste << QString(10'000'000, 'x') << kFirstLaunch << ""
                               << firstHsla;
    }

    // Each refreshes the well, menu (rows 8-11 stay labels) and playground, stores "LastColor" in
    // hex, leaves title and history; a paste keeps the clipboard; refused, it only beeps.
    void colourChangesTakeOneRoad() {
        QFETCH(Road, road);
        QFETCH(QString, pasted);
        QFETCH(ColorValue, color);
        QFETCH(QString, hex);
        QFETCH(QString, hsla);
        App app;
        app.button().selectItem(app.button().items().at(5));
        pasted.isNull() ? QApplication::clipboard()->clear()
                        : QApplication::clipboard()->setText(pasted);
        if (road == Road::Chip) {
            const QPoint chip = app.ui.historyPalette->chipRect(0).center().toPoint();
            QTest::mouseClick(app.ui.historyPalette, Qt::LeftButton, {}, chip);
        } else if (road == Road::ChipKey) {
            QTest::keyClick(app.ui.historyPalette, Qt::Key_Return);
        } else if (road == Road::Panel) {
            app.controller.tweakColor();  // shows it
            app.panel.dialog()->setCurrentColor(Qt::magenta);
        } else if (road == Road::Loupe) {
            QTest::mousePress(app.ui.colorWell, Qt::LeftButton, {}, QPoint(30, 30));
            app.scheduler.advance(std::chrono::milliseconds(300));  // held, if not active
            app.picker.succeed(color);
        } else {
            app.command(road == Road::Paste ? QKeySequence::Paste : QKeySequence("Ctrl+Shift+V"));
            QCOMPARE(app.ui.colorWell->messageLayer()->text(),
                     hex.isEmpty() ? "invalid CSS" : "pasted");
        }
        QCOMPARE(app.ui.colorWell->color(), color);
        const Shown shown{hex.isEmpty() ? kFirstLaunchShown.hex : hex, hsla};
        QCOMPARE(app.menu(), menuFor(shown, 5, kFirstLaunchShown.hex));
        QCOMPARE(app.settings.stored().value(AppDelegate::kLastColorKey).toString(), hex);
        QCOMPARE(app.writes(), hex.isEmpty() ? 0 : 1);
        QCOMPARE(app.ui.historyPalette->colors().front(), rgb255(188, 227, 104));
        QCOMPARE(app.beeps, hex.isEmpty() ? 1 : 0);
        QVERIFY(QApplication::clipboard()->text() == pasted);
    }

    // A menu choice selects its row, copies (row 8: its source, not its label), retitles, stores
    // the format and pushes the colour into the history once; Space copies again. With no
    // format, it only beeps.
    void copyRendersTheSelectedFormat() {
        App app;
        const struct {
            int row;
            const char* copied;
            const char* format;
            const char* title;
        } copies[] = {
            {0, "#fee98d", "#{rr}{gg}{bb}", "#fee98d"},
            {7, "NSColor(SRGBRed: 0.9961, green: 0.9137, blue: 0.5529, alpha: 1.0)",
             "NSColor(SRGBRed: {r.}, green: {g.}, blue: {b.}, alpha: {a})", "NSColor (Swift)"}};
        for (const auto& copy : copies) {
            app.button().items().at(copy.row)->trigger();
            QCOMPARE(QApplication::clipboard()->text(), QString(copy.copied));
            QCOMPARE(app.menu(), menuFor(kFirstLaunchShown, copy.row, copy.title));
            QCOMPARE(app.settings.stored().value(AppDelegate::kLastFormatterKey),
                     QVariant(copy.format));
            QCOMPARE(app.ui.colorWell->messageLayer()->text(), QStringLiteral("copied"));
        }
        QCOMPARE(app.ui.historyPalette->colors().front(), kFirstLaunch);
        QCOMPARE(app.writes(), 3);  // two formats, one history
        QApplication::clipboard()->clear();
        QTest::keyClick(&app.button(), Qt::Key_Space);  // the keyboard copies the same way
        QCOMPARE(QApplication::clipboard()->text(), QString(copies[1].copied));
        app.button().removeAllItems();
        app.command(QKeySequence::Copy);
        QCOMPARE(app.beeps, 1);
        QCOMPARE(QApplication::clipboard()->text(), QString(copies[1].copied));
    }

    // Typed as a user does, the output follows as plain text, in full; a long one scrolls and
    // the window keeps its width. Nothing is stored.
    void playgroundFollowsTyping() {
        App app;
        QVERIFY(!app.ui.playgroundWindow);  // built when first shown, not at launch
        app.controller.showPlaygroundWindow();
        QLineEdit* field = app.ui.formatterPlaygroundFormatField;
        QCOMPARE(app.ui.formatterPlaygroundOutputLabel->text(), app.controller.playgroundOutput());
        QCOMPARE(app.ui.playgroundWindow->width(), 420);
        const QString wide = QString("{r}-").repeated(75);  // 300 characters out
        for (const auto& [format, shown] :
             {std::pair<QString, QString>{"rgb({r}, {g}, {b})", "rgb(254, 233, 141)"},
              {"<b>{r}</b>", "<b>254</b>"},
              {wide, QString("254-").repeated(75)}}) {
            field->selectAll();
            QTest::keyClick(field, Qt::Key_Backspace);
            QTest::keyClicks(field, format);
            QCOMPARE(app.ui.formatterPlaygroundOutputLabel->text(), shown);
            QCoreApplication::sendPostedEvents();  // the layout settles
            QCOMPARE(app.ui.playgroundWindow->width(), 420);
        }
        QCOMPARE(app.ui.formatterPlaygroundOutputLabel->textFormat(), Qt::PlainText);
        QCOMPARE(app.writes(), 0);
    }
};

QTEST_MAIN(AppDelegateTest)
#include "AppDelegateTest.moc"
