// SPDX-License-Identifier: MIT
// The application: the controller on the real interface and its menu commands.
#include <QApplication>
#include <QClipboard>
#include <QDirIterator>
#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>

#include "AppDelegate.h"
#include "CopyPopUpButton.h"
#include "FormatMenuItem.h"
#include "InterfaceLoader.h"
#include "ColorHistoryView.h"
#include "LaunchedWindow.h"
#include "MainWindow.h"
#include "MessageOverlay.h"
#include "ModernColorWell.h"
#include "SettingsKeys.h"
#include "Translations.h"

using namespace hueloupe;

namespace {

ColorValue rgb255(int r, int g, int b) {
    return {r / 255.0, g / 255.0, b / 255.0, 1.0};
}

const QString kFirstMenu = "#fee98d | hsla(49, 98%, 77%, 1.0)";

struct App : testing::LaunchedWindow {
    using LaunchedWindow::LaunchedWindow;
    CopyPopUpButton& button() const { return *ui.colorCopyButton; }
    // Row 1's and row 7's titles, the selected row, the tooltip, and the playground's output
    // when it is not row 7's title.
    QString menu() const {
        QStringList titles;
        for (const FormatMenuItem* item : button().items()) titles << item->text();
        const int selected = button().items().indexOf(button().selectedItem());
        QString shown = QStringList{titles.value(0), titles.value(6), QString::number(selected),
                                    button().toolTip()}
                            .join(" | ");
        if (controller.playgroundOutput() != titles.value(6)) {
            shown += " | playground: " + controller.playgroundOutput();
        }
        return shown;
    }
    int writes() const { return settings.writeCount() - seedWrites; }
    // A menu command of the main window, as its shortcut triggers it.
    void command(const QKeySequence& keys) {
        for (QAction* action : ui.window->menuBar()->findChildren<QAction*>()) {
            if (action->shortcuts().contains(keys))
                action->trigger();
        }
    }
};

}  // namespace

class AppDelegateTest : public QObject {
    Q_OBJECT

private slots:
    // A colour set in the colour panel refreshes the well, menu and playground, stores
    // "LastColor" in hex once, and leaves the title, history and clipboard.
    void panelColourTakesTheOneRoad() {
        App app;
        app.button().selectItem(app.button().items().at(5));
        QApplication::clipboard()->setText("before");
        app.controller.tweakColor();  // shows it
        app.panel.dialog()->setCurrentColor(Qt::magenta);
        QCOMPARE(app.ui.colorWell->color(), rgb255(255, 0, 255));
        QCOMPARE(app.menu(), "#ff00ff | hsla(300, 100%, 50%, 1.0) | 5 | #fee98d");
        QCOMPARE(app.settings.stored().value(keys::kLastColor).toString(), "#ff00ff");
        QCOMPARE(app.writes(), 1);
        QCOMPARE(app.ui.historyPalette->colors().front(), rgb255(188, 227, 104));
        QCOMPARE(QApplication::clipboard()->text(), "before");
    }

    // A label row copies its source, not its title, retitles and stores the format. With no
    // format, Copy only beeps.
    void copyRendersTheSelectedFormat() {
        App app;
        const QString copied = "NSColor(SRGBRed: 0.9961, green: 0.9137, blue: 0.5529, alpha: 1.0)";
        app.button().items().at(7)->trigger();
        QCOMPARE(QApplication::clipboard()->text(), copied);
        QCOMPARE(app.menu(), kFirstMenu + " | 7 | NSColor (Swift)");
        QCOMPARE(app.settings.stored().value(keys::kLastFormatter),
                 QVariant("NSColor(SRGBRed: {r.}, green: {g.}, blue: {b.}, alpha: {a})"));
        app.button().removeAllItems();
        app.command(QKeySequence::Copy);
        QCOMPARE(app.beeps, 1);
        QCOMPARE(QApplication::clipboard()->text(), copied);
    }

    // Typed, the output follows as plain text, in full; a long one scrolls and the window keeps
    // its width. Nothing is stored.
    void playgroundFollowsTyping() {
        App app;
        app.controller.showPlaygroundWindow();
        QLineEdit* field = app.ui.formatterPlaygroundFormatField;
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, QString("{r}-").repeated(75));
        QCOMPARE(app.ui.formatterPlaygroundOutputLabel->text(), QString("254-").repeated(75));
        QCoreApplication::sendPostedEvents();  // the layout settles
        QCOMPARE(app.ui.playgroundWindow->width(), 420);
        QCOMPARE(app.ui.formatterPlaygroundOutputLabel->textFormat(), Qt::PlainText);
        QCOMPARE(app.writes(), 0);
    }

    // In German the well says "kopiert"; in every language each of its messages fits the
    // overlay, and each line of the hint fits it unwrapped.
    void wellMessagesAreTranslatedAndFit() {
        {
            Translations german(QLocale(QLocale::German));
            german.install();
            App app;
            app.command(QKeySequence::Copy);
            QCOMPARE(app.ui.colorWell->messageLayer()->text(), QStringLiteral("kopiert"));
        }
        App app;
        const QFontMetricsF metrics(MessageOverlay::defaultFont());
        const qreal room = app.ui.colorWell->messageLayer()->width();
        for (QDirIterator catalogues(":/i18n"); catalogues.hasNext();) {
            QTranslator language;
            QVERIFY(language.load(catalogues.next()));
            for (const char* message : {ModernColorWell::kHint, ModernColorWell::kNoPicker,
                                        ModernColorWell::kCopied, ModernColorWell::kPasted,
                                        ModernColorWell::kInvalidCss}) {
                const QString text = language.translate("hueloupe::ModernColorWell", message);
                for (const QString& line : text.split('\n'))
                    QVERIFY2(metrics.horizontalAdvance(line) <= room, qPrintable(line));
            }
        }
    }
};

QTEST_MAIN(AppDelegateTest)
#include "AppDelegateTest.moc"
