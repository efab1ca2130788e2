// The copy button: a click copies, a held press opens the menu, a chosen format is selected
// before the action goes out; and its drawing: caret and title rectangles, fonts, colours.
#include <QFontDatabase>
#include <QFontInfo>
#include <QIcon>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include "UiTestSupport.h"
#include "format/ColorFormatter.h"
#include "platform/ManualScheduler.h"
#include "ui/CopyPopUpButton.h"
#include "ui/CopyPopUpButtonCell.h"
#include "ui/FormatMenuItem.h"

using namespace hueloupe;
using namespace hueloupe::testing;
using namespace std::chrono_literals;

namespace {

std::unique_ptr<ColorFormatter> formatter(const char* format, bool label = false) {
    return std::make_unique<ColorFormatter>(format, format, label);
}

const QPointF inside{30, 10};

// Draws with the cell on a transparent canvas; gives the area painted and its highest alpha.
template <typename Draw>
std::pair<QRect, int> painted(QSize size, Draw draw) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    draw(painter);
    painter.end();
    QRect area;
    int most = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(image.pixel(x, y));
            area |= alpha != 0 ? QRect(x, y, 1, 1) : QRect();
            most = std::max(most, alpha);
        }
    }
    return {area, most};
}

}  // namespace

class CopyButtonTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ManualScheduler> scheduler_;
    std::unique_ptr<CopyPopUpButton> button_;
    FormatMenuItem* rgb_ = nullptr;

    void click(std::chrono::milliseconds held) {
        press(button_.get(), inside);
        scheduler_->advance(held);
        release(button_.get(), inside);
    }

private slots:
    void init() {
        scheduler_ = std::make_unique<ManualScheduler>();
        button_ = std::make_unique<CopyPopUpButton>();
        button_->resize(120, 22);
        button_->setScheduler(*scheduler_);
        button_->addItem(formatter("#{rr}{gg}{bb}"), "#00B5FF");
        rgb_ = button_->addItem(formatter("rgb({r}, {g}, {b})"), "rgb(0, 181, 255)");
    }

    void cleanup() { button_.reset(); }

    void clickWithinHoldTimeSendsTheActionOnce_data() {
        QTest::addColumn<int>("heldMs");
        QTest::newRow("at once") << 0;
        QTest::newRow("just before 0.3 s") << 299;
    }

    void clickWithinHoldTimeSendsTheActionOnce() {
        QFETCH(int, heldMs);
        QSignalSpy actions(button_.get(), &CopyPopUpButton::activated);
        press(button_.get(), inside);
        QVERIFY(button_->isDown());
        scheduler_->advance(std::chrono::milliseconds(heldMs));
        QCOMPARE(actions.count(), 0);
        release(button_.get(), inside);
        QCOMPARE(actions.count(), 1);
        QVERIFY(!button_->isDown() && !button_->mouseDownToken().has_value());
        scheduler_->advance(1s);
        QCOMPARE(actions.count(), 1);
        QVERIFY(!button_->menuShown() && !button_->itemMenu()->isVisible());
    }

    void holdOpensTheMenuInstead() {
        QSignalSpy actions(button_.get(), &CopyPopUpButton::activated);
        press(button_.get(), inside);
        scheduler_->advance(299ms);
        QVERIFY(!button_->itemMenu()->isVisible());
        scheduler_->advance(1ms);
        QVERIFY(button_->menuShown() && button_->itemMenu()->isVisible());
        release(button_.get(), inside);
        QCOMPARE(actions.count(), 0);
        button_->itemMenu()->hide();
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
        rgb_->trigger();
        QCOMPARE(selectedWhenSent, rgb_);
        QCOMPARE(titleWhenSent, QString("rgb(0, 181, 255)"));
    }

    void twoPressesApartEachSendTheAction() {
        QSignalSpy actions(button_.get(), &CopyPopUpButton::activated);
        click(50ms);
        scheduler_->advance(50ms);
        click(50ms);
        scheduler_->advance(1s);  // both 0.3 s steps find no press in progress
        QCOMPARE(actions.count(), 2);
        QVERIFY(!button_->menuShown());
    }

    void aNewerPressOwnsTheHold() {
        press(button_.get(), inside);
        scheduler_->advance(200ms);
        press(button_.get(), inside);  // no release seen in between
        scheduler_->advance(100ms);    // the first press's step: not current any more
        QVERIFY(!button_->menuShown());
        scheduler_->advance(200ms);
        QVERIFY(button_->menuShown());
        button_->itemMenu()->hide();
    }

    void titleFollowsTheSelectedItem() {
        button_->selectItem(rgb_);
        rgb_->setText("rgb(255, 0, 0)");  // retitled: shown once synchronised
        QCOMPARE(button_->text(), QString("rgb(0, 181, 255)"));
        button_->synchronizeTitleAndSelectedItem();
        QCOMPARE(button_->text(), QString("rgb(255, 0, 0)"));
        FormatMenuItem stranger(formatter("{r}"), "stranger");
        button_->selectItem(&stranger);  // not one of the button's items: ignored
        QCOMPARE(button_->selectedItem(), rgb_);
        button_->removeAllItems();
        QCOMPARE(button_->selectedItem(), nullptr);
        QSignalSpy actions(button_.get(), &CopyPopUpButton::activated);
        click(0ms);
        QCOMPARE(actions.count(), 1);
        QVERIFY(!button_->grab().isNull());  // drawing without a selection
    }

    void destroyedButtonIgnoresItsStep() {
        press(button_.get(), inside);
        button_.reset();
        scheduler_->advance(1s);
    }

    void caretRect_data() {
        QTest::addColumn<QSizeF>("cell");
        QTest::addColumn<QRectF>("caret");
        QTest::newRow("120 x 22") << QSizeF(120, 22) << QRectF(100, 7, 20, 12);
        QTest::newRow("120 x 23: floor(5.5)") << QSizeF(120, 23) << QRectF(100, 7, 20, 12);
        QTest::newRow("lower than the caret: floor(-0.5)")
            << QSizeF(20, 11) << QRectF(0, 1, 20, 12);
    }

    void caretRect() {
        QFETCH(QSizeF, cell);
        QFETCH(QRectF, caret);
        QCOMPARE(CopyPopUpButtonCell::caretRect(cell), caret);
    }

    void caretIsDrawnInItsRectAtReducedOpacity() {
        const QIcon& caret = CopyPopUpButtonCell::caretImage();
        QCOMPARE(caret.pixmap(QSize(20, 12), 2.0).size(), QSize(40, 24));  // a 2x image too
        const auto [area, alpha] = painted({120, 22}, [](QPainter& painter) {
            CopyPopUpButtonCell().drawBorderAndBackground(painter, QRectF(5, 5, 120, 22));
        });
        // Measured from the control's origin, not the frame's; no bezel anywhere else.
        QVERIFY(!area.isEmpty() && QRect(100, 7, 20, 12).contains(area));
        QVERIFY(alpha <= 154);  // 0.6 of an opaque caret
    }

    void titleIsDrawnInTheReturnedRect() {
        QRectF drawn;
        const auto [area, alpha] = painted({120, 22}, [&](QPainter& painter) {
            drawn =
                CopyPopUpButtonCell().drawTitle(painter, "rgb(255, 255, 255) and more",
                                                QRectF(10, 3, 80, 16), nullptr, false, QPalette());
        });
        QCOMPARE(drawn, QRectF(-2, 3, 80, 16));
        QVERIFY(alpha > 0 && drawn.toRect().contains(area));
    }

    void titleFontAndColour() {
        const QString fixed = QFontInfo(QFont("Menlo")).family() == "Menlo"
                                  ? QString("Menlo")
                                  : QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
        const QString system = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
        const auto code = formatter("{r}");
        const auto label = formatter("{r}", true);
        QCOMPARE(CopyPopUpButtonCell::titleFont(nullptr).family(), fixed);
        QCOMPARE(CopyPopUpButtonCell::titleFont(code.get()).family(), fixed);
        QCOMPARE(CopyPopUpButtonCell::titleFont(label.get()).family(), system);
        QCOMPARE(CopyPopUpButtonCell::titleFont(label.get()).pixelSize(), 13);
        QPalette palette;
        palette.setColor(QPalette::ButtonText, Qt::darkRed);
        QCOMPARE(CopyPopUpButtonCell::titleColor(true, palette), QColor(Qt::darkRed));
        const QColor normal = CopyPopUpButtonCell::titleColor(false, palette);
        QCOMPARE(normal.rgb(), qRgb(0, 0, 0));
        QVERIFY(qAbs(normal.alphaF() - 0.7) < 1e-3);
    }
};

QTEST_MAIN(CopyButtonTest)
#include "ui_copy_button_qtest.moc"
