// SPDX-License-Identifier: MIT
// The application: the controller on the real interface, its menu commands, the command line.
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>

#include "AppDelegate.h"
#include "ColorFormatter.h"
#include "ColorHistoryView.h"
#include "ColorPanel.h"
#include "CommandLine.h"
#include "CopyPopUpButton.h"
#include "FakePicker.h"
#include "FormatMenuItem.h"
#include "InMemoryPreferences.h"
#include "InterfaceLoader.h"
#include "MainWindow.h"
#include "ManualScheduler.h"
#include "MessageOverlay.h"
#include "ModernColorWell.h"
#include "OutputFormats.h"

using namespace hueloupe;

namespace {

ColorValue rgb255(int r, int g, int b) {
    return {r / 255.0, g / 255.0, b / 255.0, 1.0};
}

const ColorValue kFirstLaunch = rgb255(254, 233, 141);
constexpr ColorValue kWellInitial{0.0, 0.7082, 1.0, 1.0};  // the well's own, before launch
enum class Road { Chip, Panel, Loupe, Paste, PastePlain };

// The menu's titles for a colour, as the output formats preview it; then, as menu() gives them,
// with the selected row, the tooltip (the last copied row's title) and the playground's output.
QStringList titlesFor(const ColorValue& color) {
    QStringList titles;
    for (const OutputFormat& f : kOutputFormats) {
        const ColorFormatter formatter(std::string(f.formatString),
                                       std::string(f.previewFormatString), f.previewStringIsLabel);
        titles << QString::fromStdString(formatter.previewStringForColor(color));
    }
    return titles;
}

QStringList menuFor(const ColorValue& color, int row, const QString& toolTip) {
    return titlesFor(color) << QString::number(row) << toolTip << titlesFor(color).at(6);
}

// Launched with settings in memory, a private colour panel, virtual time and a counted beep.
struct App {
    explicit App(const QVariantMap& seeded = {}) : scoped(settings) {
        AppDelegate::initialize(settings);
        for (const auto& [key, value] : seeded.asKeyValueRange()) settings.setObject(value, key);
        seedWrites = settings.writeCount();
        ui = loadInterface([this](QWidget&, const Interface& outlets) {
            outlets.colorWell->setScheduler(scheduler);
            outlets.colorWell->setPicker(&picker);
            outlets.colorCopyButton->setScheduler(scheduler);
        });
        controller.setColorPanel(panel);
        controller.setBeep([this] { ++beeps; });
        controller.connectOutlets(ui);
        ApplicationDelegate::setCurrent(&controller);
        controller.applicationWillFinishLaunching();
    }
    CopyPopUpButton& button() const { return *ui.colorCopyButton; }
    QStringList menu() const {
        QStringList state;
        for (const FormatMenuItem* item : button().items()) state << item->text();
        return state << QString::number(button().items().indexOf(button().selectedItem()))
                     << button().toolTip() << controller.playgroundOutput();
    }
    int writes() const { return settings.writeCount() - seedWrites; }
    // A menu command; given again without an application delegate, it must do nothing.
    void command(const QKeySequence& keys) {
        for (QAction* action : ui.window->menuBar()->findChildren<QAction*>()) {
            if (action->shortcuts().contains(keys)) {
                action->trigger();
                ApplicationDelegate::setCurrent(nullptr);
                action->trigger();
            }
        }
    }

    InMemoryPreferences settings;
    ScopedStandardPreferences scoped;
    ManualScheduler scheduler;
    testing::FakePicker picker;
    ColorPanel panel;
    Interface ui;
    AppDelegate controller;
    int beeps = 0;
    int seedWrites = 0;
};

}  // namespace

class AppDelegateTest : public QObject {
    Q_OBJECT

private slots:
    void launchRestoresTheStoredChoices_data() {
        QTest::addColumn<QVariantMap>("seeded");
        QTest::addColumn<ColorValue>("well");
        QTest::addColumn<int>("row");
        const QString c = AppDelegate::kLastColorKey, f = AppDelegate::kLastFormatterKey;
        QTest::newRow("nothing stored") << QVariantMap{} << kFirstLaunch << 0;
        QTest::newRow("not a colour") << QVariantMap{{c, "nonsense"}} << kWellInitial << 0;
        QTest::newRow("a list") << QVariantMap{{c, QStringList{"red"}}} << kWellInitial << 0;
        QTest::newRow("by hand") << QVariantMap{{c, "lime"}} << rgb255(0, 255, 0) << 0;
        QTest::newRow("row 6") << QVariantMap{{f, "hsl({h}, {s}%, {l}%)"}} << kFirstLaunch << 5;
        QTest::newRow("a label") << QVariantMap{{f, "NSColor (Swift)"}} << kFirstLaunch << 0;
    }

    // Nothing is written (unreadable text stays); the playground shows row 7's format.
    void launchRestoresTheStoredChoices() {
        QFETCH(QVariantMap, seeded);
        QFETCH(ColorValue, well);
        QFETCH(int, row);
        const App app(seeded);
        QCOMPARE(app.ui.colorWell->color(), well);
        QVERIFY(app.panel.color() == well && app.ui.window->isVisible());
        QCOMPARE(app.menu(), menuFor(well, row, titlesFor(well).at(row)));
        QCOMPARE(app.writes(), 0);
    }

    void colourChangesTakeOneRoad_data() {
        QTest::addColumn<Road>("road");
        QTest::addColumn<QString>("pasted");    // null: an empty clipboard
        QTest::addColumn<ColorValue>("color");  // the first-launch colour: refused
        QTest::addColumn<QString>("hex");
        const ColorValue halfRed{1, 0, 0, 0.5};
        QTest::newRow("history chip") << Road::Chip << "" << rgb255(188, 227, 104) << "#bce368";
        QTest::newRow("colour dialog") << Road::Panel << "" << rgb255(255, 0, 255) << "#ff00ff";
        QTest::newRow("loupe") << Road::Loupe << "" << rgb255(0, 128, 255) << "#0080ff";
        QTest::newRow("paste, alpha") << Road::Paste << "rgba(255,0,0,.5)" << halfRed << "#ff0000";
        QTest::newRow("paste nothing") << Road::PastePlain << QString() << kFirstLaunch << "";
        QTest::newRow("10 MB") << Road::Paste << QString(10'000'000, 'x') << kFirstLaunch << "";
    }

    // Each refreshes the well, menu (rows 8-11 stay labels) and playground, stores "LastColor" in
    // hex, leaves title and history; a paste keeps the clipboard; refused, it only beeps.
    void colourChangesTakeOneRoad() {
        QFETCH(Road, road);
        QFETCH(QString, pasted);
        QFETCH(ColorValue, color);
        QFETCH(QString, hex);
        App app;
        app.button().selectItem(app.button().items().at(5));
        pasted.isNull() ? QApplication::clipboard()->clear()
                        : QApplication::clipboard()->setText(pasted);
        if (road == Road::Chip) {
            const QPoint chip = app.ui.historyPalette->chipRect(0).center().toPoint();
            QTest::mouseClick(app.ui.historyPalette, Qt::LeftButton, {}, chip);
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
        QCOMPARE(app.menu(), menuFor(color, 5, titlesFor(kFirstLaunch).at(0)));
        QCOMPARE(app.settings.stored().value(AppDelegate::kLastColorKey).toString(), hex);
        QCOMPARE(app.writes(), hex.isEmpty() ? 0 : 1);
        QCOMPARE(app.ui.historyPalette->history().colors().front(), rgb255(188, 227, 104));
        QCOMPARE(app.beeps, hex.isEmpty() ? 1 : 0);
        QVERIFY(QApplication::clipboard()->text() == pasted);
    }

    // A menu choice selects its row, copies (row 8: its source, not its label), retitles, stores
    // the format and pushes the colour into the history once. With no format, it only beeps.
    void copyRendersTheSelectedFormat() {
        App app;
        const std::pair<int, const char*> copies[] = {
            {0, "#fee98d"},
            {7, "NSColor(SRGBRed: 0.9961, green: 0.9137, blue: 0.5529, alpha: 1.0)"}};
        for (const auto& [row, copied] : copies) {
            app.button().items().at(row)->trigger();
            QCOMPARE(QApplication::clipboard()->text(), QString(copied));
            QCOMPARE(app.menu(), menuFor(kFirstLaunch, row, titlesFor(kFirstLaunch).at(row)));
            const QVariant format(kOutputFormats.at(size_t(row)).formatString.data());
            QCOMPARE(app.settings.stored().value(AppDelegate::kLastFormatterKey), format);
            QCOMPARE(app.ui.colorWell->messageLayer()->text(), QStringLiteral("copied"));
        }
        QCOMPARE(app.ui.historyPalette->history().colors().front(), kFirstLaunch);
        QCOMPARE(app.writes(), 3);  // two formats, one history
        app.button().removeAllItems();
        app.command(QKeySequence::Copy);
        QCOMPARE(app.beeps, 1);
        QCOMPARE(QApplication::clipboard()->text(), QString(copies[1].second));
    }

    // Typed as a user does, the output follows as plain text; nothing is stored.
    void playgroundFollowsTyping() {
        App app;
        QVERIFY(!app.ui.playgroundWindow);  // built when first shown, not at launch
        app.controller.showPlaygroundWindow();
        QLineEdit* field = app.ui.formatterPlaygroundFormatField;
        QCOMPARE(app.ui.formatterPlaygroundOutputLabel->text(), app.controller.playgroundOutput());
        for (const auto& [format, shown] : {std::pair{"rgb({r}, {g}, {b})", "rgb(254, 233, 141)"},
                                            {"<b>{r}</b>", "<b>254</b>"}}) {
            field->selectAll();
            QTest::keyClick(field, Qt::Key_Backspace);
            QTest::keyClicks(field, format);
            QCOMPARE(app.ui.formatterPlaygroundOutputLabel->text(), QString(shown));
        }
        QCOMPARE(app.ui.formatterPlaygroundOutputLabel->textFormat(), Qt::PlainText);
        QCOMPARE(app.writes(), 0);
    }

    void commandLineAnswersHelpAndVersionOnlyLeavingTheRestToQt() {
        const std::pair<std::vector<const char*>, const char*> cases[] = {
            {{"hueloupe", "--help"}, "Usage: hueloupe"},
            {{"hueloupe", "-platform", "offscreen", "--version"}, "hueloupe "},
            {{"hueloupe", "--frobnicate"}, nullptr}};
        for (const auto& [argv, answer] : cases) {
            std::string out;
            const auto status = answerCommandLine(int(argv.size()), argv.data(), out);
            QVERIFY2(status == (answer ? std::optional(0) : std::nullopt), argv.back());
            QVERIFY2(!answer || (out.starts_with(answer) && out.ends_with('\n')), argv.back());
        }
    }
};

QTEST_MAIN(AppDelegateTest)
#include "AppDelegateTest.moc"
