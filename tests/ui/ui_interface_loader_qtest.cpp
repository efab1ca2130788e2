// Loading the interface: outlets, where each view lives, and the set-up order.
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "history/ColorHistoryView.h"
#include "platform/InMemoryPreferences.h"
#include "platform/Preferences.h"
#include "ui/CopyPopUpButton.h"
#include "ui/InterfaceLoader.h"
#include "ui/MainWindow.h"
#include "ui/MessageOverlay.h"
#include "ui/ModernColorWell.h"

using namespace hueloupe;

class InterfaceLoaderTest : public QObject {
    Q_OBJECT

private:
    InMemoryPreferences preferences_;
    std::unique_ptr<ScopedStandardPreferences> scoped_;

private slots:
    void init() { scoped_ = std::make_unique<ScopedStandardPreferences>(preferences_); }
    void cleanup() { scoped_.reset(); }

    void outletsPointIntoTheirWindows() {
        const Interface loaded = loadInterface();
        const QWidget* main = loaded.window.get();
        const QWidget* playground = loaded.playgroundWindow.get();
        QVERIFY(main && playground && playground->isWindow() && !main->isVisible());
        QCOMPARE(loaded.colorWell->window(), main);
        QCOMPARE(loaded.historyPalette->window(), main);
        QCOMPARE(loaded.colorCopyButton->window(), main);
        QCOMPARE(loaded.formatterPlaygroundFormatField->window(), playground);
        QCOMPARE(loaded.formatterPlaygroundOutputLabel->window(), playground);
        QVERIFY(!loaded.formatterPlaygroundFormatField->isReadOnly());
        // The hint was laid out for the well's loaded size, before the window was shown.
        const int hintWidth = loaded.colorWell->messageLayer()->width();
        loaded.window->show();
        QCOMPARE(hintWidth, loaded.colorWell->width() - 40);
        QCOMPARE(loaded.colorWell->messageLayer()->geometry().bottom(),
                 loaded.colorWell->height() - 46 - 1);
        QVERIFY(loaded.historyPalette->width() >= 158 && loaded.historyPalette->height() >= 26);
    }

    void wellIsSetUpBeforeThePalette() {
        QStringList order;
        const Interface loaded = loadInterface([&](QWidget& view, const Interface& outlets) {
            order << view.objectName();
            // Every outlet is connected before any set-up runs.
            QVERIFY(outlets.colorWell && outlets.historyPalette && outlets.colorCopyButton);
            QVERIFY(outlets.formatterPlaygroundFormatField &&
                    outlets.formatterPlaygroundOutputLabel);
            const bool wellSetUp = outlets.colorWell->messageLayer() != nullptr;
            QCOMPARE(wellSetUp, &view == outlets.historyPalette);
        });
        QCOMPARE(order, QStringList({"colorWell", "historyPalette"}));
        QCOMPARE(loaded.colorWell->messageLayer()->text(), ModernColorWell::kHint);
        QVERIFY(loaded.colorWell->messageToken().has_value());
    }
};

QTEST_MAIN(InterfaceLoaderTest)
#include "ui_interface_loader_qtest.moc"
