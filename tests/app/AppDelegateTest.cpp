// The controller on the real interface: launch from the settings, the one road of colour
// changes, copy, paste and the formatter playground.
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "app/AppDelegate.h"
#include "format/ColorFormatter.h"
#include "format/OutputFormats.h"
#include "history/ColorHistoryView.h"
#include "platform/ColorPanel.h"
#include "platform/InMemoryPreferences.h"
#include "platform/ManualScheduler.h"
#include "ui/ApplicationDelegate.h"
#include "ui/CopyPopUpButton.h"
#include "ui/FormatMenuItem.h"
#include "ui/InterfaceLoader.h"
#include "ui/MainWindow.h"
#include "ui/MessageOverlay.h"
#include "ui/ModernColorWell.h"

using namespace hueloupe;

namespace {

ColorValue rgb255(int r, int g, int b) {
    return {r / 255.0, g / 255.0, b / 255.0, 1.0};
}

const ColorValue kFirstLaunch = rgb255(254, 233, 141);
constexpr ColorValue kWellInitial{0.0, 0.7082, 1.0, 1.0};  // the well's own, before launch
enum class Road { Chip, Paste, Panel, Loupe };

// The eleven menu titles for a colour, as the output formats preview it.
QStringList titlesFor(const ColorValue& color) {
    QStringList titles;
    for (const OutputFormat& row : kOutputFormats) {
        const ColorFormatter formatter(std::string(row.formatString),
                                       std::string(row.previewFormatString),
                                       row.previewStringIsLabel);
        titles << QString::fromStdString(formatter.previewStringForColor(color));
    }
    return titles;
}

// Replaces the playground's format text by typing, as a user does.
void typeFormat(QLineEdit* field, const QString& text) {
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

// Launched on the real interface with settings in memory (seeded before launch), a private
// colour panel, virtual time and a counted beep.
struct App {
    explicit App(const QVariantMap& seeded = {}) : scoped(settings) {
        AppDelegate::initialize(settings);
        for (auto entry = seeded.begin(); entry != seeded.end(); ++entry) {
            settings.setObject(entry.value(), entry.key());
        }
        seedWrites = settings.writeCount();
        ui = loadInterface([this](QWidget& view, const Interface& outlets) {
            if (&view == outlets.colorWell) {
                outlets.colorWell->setScheduler(scheduler);
                outlets.colorCopyButton->setScheduler(scheduler);
            }
        });
        controller = std::make_unique<AppDelegate>();
        controller->setColorPanel(panel);
        controller->setBeep([this] { ++beeps; });
        controller->connectOutlets(ui);
        ApplicationDelegate::setCurrent(controller.get());
        controller->applicationWillFinishLaunching();
    }
    ~App() { ApplicationDelegate::setCurrent(nullptr); }
    CopyPopUpButton& button() const { return *ui.colorCopyButton; }
    QStringList titles() const {
        QStringList all;
        for (const FormatMenuItem* item : button().items()) all << item->text();
        return all;
    }
    int selectedRow() const { return button().items().indexOf(button().selectedItem()); }
    QString message() const { return ui.colorWell->messageLayer()->text(); }
    QString output() const { return ui.formatterPlaygroundOutputLabel->text(); }
    QString stored(const QString& key) const { return settings.stored().value(key).toString(); }
    int writes() const { return settings.writeCount() - seedWrites; }
    std::vector<ColorValue> history() const { return ui.historyPalette->history().colors(); }

    InMemoryPreferences settings;
    ScopedStandardPreferences scoped;
    ManualScheduler scheduler;
    ColorPanel panel;
    Interface ui;
    std::unique_ptr<AppDelegate> controller;
    int beeps = 0;
    int seedWrites = 0;
};

}  // namespace

Q_DECLARE_METATYPE(Road)

class AppDelegateTest : public QObject {
    Q_OBJECT

private slots:
    void launchRestoresTheStoredChoices_data() {
        QTest::addColumn<QVariantMap>("seeded");
        QTest::addColumn<ColorValue>("well");
        QTest::addColumn<int>("row");
        const QString color = AppDelegate::kLastColorKey;
        const QString format = AppDelegate::kLastFormatterKey;
        QTest::newRow("nothing stored") << QVariantMap{} << kFirstLaunch << 0;
        QTest::newRow("not a colour") << QVariantMap{{color, "nonsense"}} << kWellInitial << 0;
        QTest::newRow("a list") << QVariantMap{{color, QStringList{"red"}}} << kWellInitial << 0;
        QTest::newRow("written by hand")
            << QVariantMap{{color, "hsl(120, 100%, 25%)"}} << ColorValue{0, 0.5, 0, 1} << 0;
        QTest::newRow("row 6") << QVariantMap{{format, "hsl({h}, {s}%, {l}%)"}} << kFirstLaunch
                               << 5;
        QTest::newRow("a label") << QVariantMap{{format, "NSColor (Swift)"}} << kFirstLaunch << 0;
    }

    void launchRestoresTheStoredChoices() {
        QFETCH(QVariantMap, seeded);
        QFETCH(ColorValue, well);
        QFETCH(int, row);
        const App app(seeded);
        QCOMPARE(app.ui.colorWell->color(), well);
        QCOMPARE(app.panel.color(), well);
        QCOMPARE(app.titles(), titlesFor(well));
        QCOMPARE(app.selectedRow(), row);
        QCOMPARE(app.button().toolTip(), titlesFor(well).at(row));
        // The field's own text (row 7's format), not the formatter's initial one.
        QCOMPARE(app.output(), titlesFor(well).at(6));
        QVERIFY(app.ui.window->isVisible());
        // Nothing written; unreadable text stays stored until the colour changes.
        QCOMPARE(app.writes(), 0);
        QCOMPARE(app.settings.stored(), seeded);
    }

    void everyColourChangeTakesOneRoad_data() {
        QTest::addColumn<Road>("road");
        QTest::addColumn<ColorValue>("color");
        QTest::addColumn<QString>("hex");
        QTest::newRow("history chip") << Road::Chip << rgb255(188, 227, 104) << "#bce368";
        QTest::newRow("paste, alpha") << Road::Paste << ColorValue{1, 0, 0, 0.5} << "#ff0000";
        QTest::newRow("colour dialog") << Road::Panel << rgb255(255, 0, 255) << "#ff00ff";
        QTest::newRow("loupe") << Road::Loupe << rgb255(0, 128, 255) << "#0080ff";
    }

    void everyColourChangeTakesOneRoad() {
        QFETCH(Road, road);
        QFETCH(ColorValue, color);
        QFETCH(QString, hex);
        App app;
        app.button().selectItem(app.button().items().at(5));  // "LastColor" stays hex
        const std::vector<ColorValue> history = app.history();
        if (road == Road::Chip) {
            const QPoint chip = app.ui.historyPalette->chipRect(0).center().toPoint();
            QTest::mouseClick(app.ui.historyPalette, Qt::LeftButton, {}, chip);
        } else if (road == Road::Paste) {
            QApplication::clipboard()->setText(QStringLiteral("rgba(255, 0, 0, 0.5)"));
            app.controller->readColorFromPasteboard();
        } else if (road == Road::Panel) {
            app.controller->tweakColor();
            QVERIFY(app.panel.isVisible());
            app.panel.dialog()->setCurrentColor(Qt::magenta);
            app.controller->tweakColor();
            QVERIFY(!app.panel.isVisible());
        } else {
            app.ui.colorWell->magnifierDidSelectColor(nullptr, color);
        }
        QCOMPARE(app.ui.colorWell->color(), color);
        QCOMPARE(app.titles(), titlesFor(color));  // rows 8 to 11 stay labels
        QCOMPARE(app.button().text(), titlesFor(color).at(5));
        QCOMPARE(app.button().toolTip(), titlesFor(kFirstLaunch).at(0));  // not retitled
        QCOMPARE(app.output(), titlesFor(color).at(6));
        QCOMPARE(app.stored(AppDelegate::kLastColorKey), hex);
        QCOMPARE(app.history(), history);
        QCOMPARE(app.beeps, 0);
    }

    void copyRendersTheSelectedFormat_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("copied");
        QTest::newRow("row 1") << 0 << "#fee98d";
        QTest::newRow("row 6") << 5 << "hsl(49, 98%, 77%)";
        QTest::newRow("row 8: source, not label")
            << 7 << "NSColor(SRGBRed: 0.9961, green: 0.9137, blue: 0.5529, alpha: 1.0)";
    }

    void copyRendersTheSelectedFormat() {
        QFETCH(int, row);
        QFETCH(QString, copied);
        App app;
        FormatMenuItem* item = app.button().items().at(row);
        item->trigger();  // a choice from the menu selects the row, then copies
        QCOMPARE(QApplication::clipboard()->text(), copied);
        const std::string_view format = kOutputFormats.at(std::size_t(row)).formatString;
        QCOMPARE(app.stored(AppDelegate::kLastFormatterKey).toStdString(), format);
        QCOMPARE(app.history().front(), kFirstLaunch);
        QCOMPARE(app.message(), QStringLiteral("copied"));
        QCOMPARE(app.button().toolTip(), item->text());
        QCOMPARE(app.stored(AppDelegate::kLastColorKey), QString());
        QCOMPARE(app.beeps, 0);
    }

    void copyWithoutAFormatOnlyBeeps() {
        App app;
        QApplication::clipboard()->setText(QStringLiteral("kept"));
        app.button().removeAllItems();
        app.controller->copySelectedColor();
        QCOMPARE(app.beeps, 1);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("kept"));
        QCOMPARE(app.writes(), 0);
        QCOMPARE(app.message(), ModernColorWell::kHint);
    }

    void pasteTakesOnlyColourText_data() {
        QTest::addColumn<QString>("text");      // null: an empty clipboard
        QTest::addColumn<ColorValue>("color");  // the first-launch colour: refused
        const QString tenMegabytes(10'000'000, u'x');
        QTest::newRow("rgb()") << "rgb(10, 20, 30)" << rgb255(10, 20, 30);
        QTest::newRow("keyword") << "Navy" << rgb255(0, 0, 128);
        QTest::newRow("junk") << "not a colour" << kFirstLaunch;
        QTest::newRow("empty clipboard") << QString() << kFirstLaunch;
        QTest::newRow("10 MB of junk") << tenMegabytes << kFirstLaunch;
        QTest::newRow("10 MB, then a colour") << tenMegabytes + "#0a141e" << rgb255(10, 20, 30);
    }

    void pasteTakesOnlyColourText() {
        QFETCH(QString, text);
        QFETCH(ColorValue, color);
        const bool accepted = color != kFirstLaunch;
        App app;
        text.isNull() ? QApplication::clipboard()->clear()
                      : QApplication::clipboard()->setText(text);
        const std::vector<ColorValue> history = app.history();
        app.ui.window->paste();
        QCOMPARE(app.message(),
                 accepted ? QStringLiteral("pasted") : QStringLiteral("invalid CSS"));
        QCOMPARE(app.beeps, accepted ? 0 : 1);
        QCOMPARE(app.ui.colorWell->color(), color);
        QCOMPARE(app.writes(), accepted ? 1 : 0);  // "LastColor"
        QCOMPARE(app.history(), history);
        QVERIFY(QApplication::clipboard()->text() == text);  // kept as it was
    }

    void playgroundFollowsTyping_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("row 4's format") << "rgb({r}, {g}, {b})" << QString("rgb(254, 233, 141)");
        QTest::newRow("nothing") << QString() << QString();
        QTest::newRow("unfinished reference") << "{rr}-{gg" << QString("fe-{gg");
        QTest::newRow("markup stays text") << "<b>{r}</b>" << QString("<b>254</b>");
    }

    void playgroundFollowsTyping() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        App app;
        typeFormat(app.ui.formatterPlaygroundFormatField, typed);
        QCOMPARE(app.output(), shown);
        QCOMPARE(app.ui.formatterPlaygroundOutputLabel->textFormat(), Qt::PlainText);
        QCOMPARE(app.titles(), titlesFor(kFirstLaunch));
        QCOMPARE(app.selectedRow(), 0);
        QCOMPARE(app.writes(), 0);
    }

    void playgroundSurvivesAHugePrecision() {
        App app;
        typeFormat(app.ui.formatterPlaygroundFormatField, QStringLiteral("{r.999999999}"));
        QVERIFY(app.output().startsWith(QStringLiteral("0.996078431372549")));
        QVERIFY(app.output().size() < 100);  // no more digits than the double holds
    }
};

QTEST_MAIN(AppDelegateTest)
#include "AppDelegateTest.moc"
