// The copy button: a click copies, a held press opens the menu, and a chosen format is
// selected before the action goes out.
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include "UiTestSupport.h"
#include "format/ColorFormatter.h"
#include "platform/ManualScheduler.h"
#include "ui/CopyPopUpButton.h"
#include "ui/FormatMenuItem.h"

using namespace hueloupe;
using namespace hueloupe::testing;
using namespace std::chrono_literals;

namespace {

std::unique_ptr<ColorFormatter> formatter(const char* format) {
    return std::make_unique<ColorFormatter>(format, format, false);
}

const QPointF inside{30, 10};

}  // namespace

class CopyButtonTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ManualScheduler> scheduler_;
    std::unique_ptr<CopyPopUpButton> button_;
    FormatMenuItem* hex_ = nullptr;
    FormatMenuItem* rgb_ = nullptr;

private slots:
    void init() {
        scheduler_ = std::make_unique<ManualScheduler>();
        button_ = std::make_unique<CopyPopUpButton>();
        button_->resize(120, 22);
        button_->setScheduler(*scheduler_);
        hex_ = button_->addItem(formatter("#{rr}{gg}{bb}"), "#00B5FF");
        rgb_ = button_->addItem(formatter("rgb({r}, {g}, {b})"), "rgb(0, 181, 255)");
    }

    void cleanup() { button_.reset(); }

    void clickSendsTheActionOnRelease_data() {
        QTest::addColumn<int>("releaseAfterMs");
        QTest::newRow("at once") << 0;
        QTest::newRow("after 0.1 s") << 100;
        QTest::newRow("just before 0.3 s") << 299;
    }

    void clickSendsTheActionOnRelease() {
        QFETCH(int, releaseAfterMs);
        QSignalSpy actions(button_.get(), &CopyPopUpButton::activated);
        press(button_.get(), inside);
        QVERIFY(button_->isDown());
        QVERIFY(button_->mouseDownToken().has_value());
        scheduler_->advance(std::chrono::milliseconds(releaseAfterMs));
        QCOMPARE(actions.count(), 0);
        release(button_.get(), inside);
        QCOMPARE(actions.count(), 1);
        QVERIFY(!button_->isDown());
        QVERIFY(!button_->mouseDownToken().has_value());
        scheduler_->advance(1s);
        QCOMPARE(actions.count(), 1);
        QVERIFY(!button_->menuShown());
        QVERIFY(!button_->itemMenu()->isVisible());
    }

    void holdOpensTheMenuInstead() {
        QSignalSpy actions(button_.get(), &CopyPopUpButton::activated);
        press(button_.get(), inside);
        scheduler_->advance(299ms);
        QVERIFY(!button_->itemMenu()->isVisible());
        scheduler_->advance(1ms);
        QVERIFY(button_->menuShown());
        QVERIFY(button_->itemMenu()->isVisible());
        release(button_.get(), inside);
        QCOMPARE(actions.count(), 0);
        button_->itemMenu()->hide();
        QVERIFY(!button_->isDown());
    }

    void choosingAnItemSelectsItBeforeTheAction() {
        FormatMenuItem* selectedWhenSent = nullptr;
        QString titleWhenSent;
        connect(button_.get(), &CopyPopUpButton::activated, this, [&] {
            selectedWhenSent = button_->selectedItem();
            titleWhenSent = button_->text();
        });
        press(button_.get(), inside);
        scheduler_->advance(300ms);
        QVERIFY(button_->itemMenu()->isVisible());
        rgb_->trigger();
        QCOMPARE(selectedWhenSent, rgb_);
        QCOMPARE(titleWhenSent, QString("rgb(0, 181, 255)"));
        QCOMPARE(button_->selectedItem()->representedObject()->formatString(),
                 std::string("rgb({r}, {g}, {b})"));
    }

    void twoQuickPressesEachSendTheAction() {
        QSignalSpy actions(button_.get(), &CopyPopUpButton::activated);
        press(button_.get(), inside);
        scheduler_->advance(50ms);
        release(button_.get(), inside);
        scheduler_->advance(50ms);
        press(button_.get(), inside);
        scheduler_->advance(50ms);
        release(button_.get(), inside);
        scheduler_->advance(1s);  // both 0.3 s steps find no press in progress
        QCOMPARE(actions.count(), 2);
        QVERIFY(!button_->menuShown());
        QVERIFY(!button_->itemMenu()->isVisible());
    }

    void aNewerPressOwnsTheHold() {
        press(button_.get(), inside);
        scheduler_->advance(200ms);
        press(button_.get(), inside);  // no release seen in between
        scheduler_->advance(100ms);    // the first press's step: not current any more
        QVERIFY(!button_->menuShown());
        scheduler_->advance(200ms);
        QVERIFY(button_->menuShown());
    }

    void titleFollowsTheSelectedItem() {
        QCOMPARE(button_->selectedItem(), hex_);  // the first item added
        QCOMPARE(button_->text(), QString("#00B5FF"));
        button_->selectItem(rgb_);
        QCOMPARE(button_->text(), QString("rgb(0, 181, 255)"));
        rgb_->setText("rgb(255, 0, 0)");  // retitled: shown once synchronised
        QCOMPARE(button_->text(), QString("rgb(0, 181, 255)"));
        button_->synchronizeTitleAndSelectedItem();
        QCOMPARE(button_->text(), QString("rgb(255, 0, 0)"));
        hex_->setText("#FF0000");  // not selected: the title stays
        button_->synchronizeTitleAndSelectedItem();
        QCOMPARE(button_->text(), QString("rgb(255, 0, 0)"));

        FormatMenuItem stranger(formatter("{r}"), "stranger");
        button_->selectItem(&stranger);
        QCOMPARE(button_->selectedItem(), rgb_);

        button_->removeAllItems();
        QCOMPARE(button_->selectedItem(), nullptr);
        QCOMPARE(button_->text(), QString());
        QVERIFY(button_->items().isEmpty());
    }

    void clickWithoutItemsStillSendsTheAction() {
        button_->removeAllItems();
        QSignalSpy actions(button_.get(), &CopyPopUpButton::activated);
        press(button_.get(), inside);
        release(button_.get(), inside);
        QCOMPARE(actions.count(), 1);
        QVERIFY(!button_->grab().isNull());  // drawing without a selection
    }

    void destroyedButtonIgnoresItsStep() {
        press(button_.get(), inside);
        button_.reset();
        scheduler_->advance(1s);
    }
};

QTEST_MAIN(CopyButtonTest)
#include "ui_copy_button_qtest.moc"
