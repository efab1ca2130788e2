// The main window's menu bar: Copy, Paste and Paste as Plain Text reach the application's
// delegate once each, and do nothing without one.
#include <QAction>
#include <QMenuBar>
#include <QTest>

#include "ui/ApplicationDelegate.h"
#include "ui/MainWindow.h"

using namespace hueloupe;

namespace {

struct CountingDelegate final : ApplicationDelegate {
    void copySelectedColor() override { ++copies; }
    void readColorFromPasteboard() override { ++pastes; }
    int copies = 0;
    int pastes = 0;
};

QAction* actionFor(const MainWindow& window, const QKeySequence& keys) {
    for (QAction* action : window.menuBar()->findChildren<QAction*>()) {
        if (action->shortcuts().contains(keys)) {
            return action;
        }
    }
    return nullptr;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void commandsReachTheDelegateOnce_data() {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<int>("copies");
        QTest::addColumn<int>("pastes");
        QTest::newRow("copy") << QKeySequence("Ctrl+C") << 1 << 0;
        QTest::newRow("paste") << QKeySequence("Ctrl+V") << 0 << 1;
        QTest::newRow("paste as plain text") << QKeySequence("Ctrl+Shift+V") << 0 << 1;
        QTest::newRow("quit: present, not run") << QKeySequence("Ctrl+Q") << 0 << 0;
    }

    void commandsReachTheDelegateOnce() {
        QFETCH(QKeySequence, keys);
        QFETCH(int, copies);
        QFETCH(int, pastes);
        const MainWindow window;
        QAction* action = actionFor(window, keys);
        QVERIFY(action != nullptr);
        if (copies + pastes == 0) {
            return;
        }
        CountingDelegate delegate;
        ApplicationDelegate::setCurrent(&delegate);
        action->trigger();
        ApplicationDelegate::setCurrent(nullptr);
        action->trigger();  // no delegate: nothing happens, nothing fails
        QCOMPARE(delegate.copies, copies);
        QCOMPARE(delegate.pastes, pastes);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
