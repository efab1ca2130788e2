// The copy button: a click copies, a held press opens the menu, a chosen format is selected
// before the action goes out; and its drawing: caret and title rectangles, fonts, colours.
#include <QFontDatabase>
#include <QFontInfo>
#include <QIcon>
#include <QMenu>
#include <QPainter>

#include "UiTestSupport.h"
#include "format/ColorFormatter.h"
#include "ui/CopyPopUpButton.h"
#include "ui/CopyPopUpButtonCell.h"
#include "ui/FormatMenuItem.h"

using namespace hueloupe;
using namespace hueloupe::testing;

namespace {

std::unique_ptr<ColorFormatter> formatter(const char* format, bool label = false) {
    return std::make_unique<ColorFormatter>(format, format, label);
}

// A button with two formats. Steps (see runScenario): "press", "release", "choose" (the
// second item), "empty" (no items), "destroy"; checks: "sent TITLE, ..." (the item selected as
// each action went out), "menu 0|1", "down 0|1".
struct World {
    ManualScheduler scheduler;
    QStringList sent;
    std::unique_ptr<CopyPopUpButton> button = std::make_unique<CopyPopUpButton>();
    FormatMenuItem* rgb = nullptr;

    World() {
        button->resize(120, 22);
        button->setScheduler(scheduler);
        button->addItem(formatter("#{rr}{gg}{bb}"), "#00B5FF");
        rgb = button->addItem(formatter("rgb({r}, {g}, {b})"), "rgb(0, 181, 255)");
        QObject::connect(button.get(), &CopyPopUpButton::activated, [this] {
            const FormatMenuItem* item = button->selectedItem();
            sent << (item != nullptr ? item->text() : QString("none"));
        });
    }

    void perform(const QString& verb, const QString& argument) {
        const bool on = argument == "1";
        if (verb == "press" || verb == "release") {
            sendMouse(button.get(),
                      verb == "press" ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease,
                      {30, 10});
        } else if (verb == "choose") {
            rgb->trigger();
        } else if (verb == "empty") {
            button->removeAllItems();
            QVERIFY(button->selectedItem() == nullptr && !button->grab().isNull());
        } else if (verb == "destroy") {
            button.reset();
        } else if (verb == "sent") {
            QCOMPARE(sent.join(", "), argument);
        } else if (verb == "menu") {
            QVERIFY(button->menuShown() == on && button->itemMenu()->isVisible() == on);
        } else if (verb == "down") {
            QVERIFY(button->isDown() == on && button->mouseDownToken().has_value() == on);
        } else {
            QFAIL(qPrintable("unknown step " + verb));
        }
    }
};

}  // namespace

class CopyButtonTest : public QObject {
    Q_OBJECT

private slots:
    void scenario_data() {
        QTest::addColumn<QStringList>("steps");
        addScenario("click at once", {"press", "down 1", "release", "down 0", "sent #00B5FF",
                                      "1000 menu 0", "sent #00B5FF"});
        addScenario("click within 0.3 s", {"0 press", "299 sent", "release", "sent #00B5FF",
                                           "1000 menu 0", "sent #00B5FF"});
        addScenario("hold opens the menu",
                    {"0 press", "299 menu 0", "300 menu 1", "release", "sent"});
        addScenario("choosing selects before the action",
                    {"0 press", "300 choose", "sent rgb(0, 181, 255)"});
        addScenario("two presses 0.1 s apart", {"0 press", "50 release", "100 press", "150 release",
                                                "1000 menu 0", "sent #00B5FF, #00B5FF"});
        addScenario("a newer press owns the hold",
                    {"0 press", "200 press", "300 menu 0", "500 menu 1"});
        addScenario("click without items", {"empty", "press", "release", "sent none"});
        addScenario("destroyed button ignores its pending step",
                    {"0 press", "destroy", "1000 sent"});
    }

    void scenario() { runScenario<World>(); }

    void caretAndTitleRects() {
        QCOMPARE(CopyPopUpButtonCell::caretRect({120, 22}), QRectF(100, 7, 20, 12));
        QCOMPARE(CopyPopUpButtonCell::caretRect({120, 23}), QRectF(100, 7, 20, 12));
        QCOMPARE(CopyPopUpButtonCell::caretRect({20, 11}), QRectF(0, 1, 20, 12));  // floor(-0.5)
        QImage image(120, 22, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        const CopyPopUpButtonCell cell;
        cell.drawBorderAndBackground(painter, QRectF(5, 5, 120, 22));
        // Measured from the control's origin, not the frame's; no bezel; at opacity 0.6.
        const QRect caret(100, 7, 20, 12);
        const QRectF title = cell.drawTitle(painter, "rgb(255, 255, 255)", QRectF(10, 3, 80, 16),
                                            nullptr, false, QPalette());
        painter.end();
        QCOMPARE(title, QRectF(-2, 3, 80, 16));
        int caretAlpha = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const int alpha = qAlpha(image.pixel(x, y));
                QVERIFY(alpha == 0 || caret.contains(x, y) || title.contains(x, y));
                caretAlpha = std::max(caretAlpha, caret.contains(x, y) ? alpha : 0);
            }
        }
        QVERIFY(caretAlpha > 0 && caretAlpha <= 154);
        QCOMPARE(CopyPopUpButtonCell::caretImage().pixmap(QSize(20, 12), 2.0).size(),
                 QSize(40, 24));
    }

    void titleFontAndColour() {
        const QString fixed = QFontInfo(QFont("Menlo")).family() == "Menlo"
                                  ? QString("Menlo")
                                  : QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
        QCOMPARE(CopyPopUpButtonCell::titleFont(nullptr).family(), fixed);
        QCOMPARE(CopyPopUpButtonCell::titleFont(formatter("{r}").get()).family(), fixed);
        const QFont label = CopyPopUpButtonCell::titleFont(formatter("{r}", true).get());
        QCOMPARE(label.family(), QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
        QCOMPARE(label.pixelSize(), 13);
        QPalette palette;
        palette.setColor(QPalette::ButtonText, Qt::darkRed);
        QCOMPARE(CopyPopUpButtonCell::titleColor(true, palette), QColor(Qt::darkRed));
        const QColor normal = CopyPopUpButtonCell::titleColor(false, palette);
        QVERIFY(normal.rgb() == qRgb(0, 0, 0) && qAbs(normal.alphaF() - 0.7) < 1e-3);
    }
};

QTEST_MAIN(CopyButtonTest)
#include "ui_copy_button_qtest.moc"
