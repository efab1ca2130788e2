// SPDX-License-Identifier: MIT
#include "ColorHistoryView.h"

#include <QAccessible>
#include <QImage>
#include <QTest>

#include "InMemoryPreferences.h"
#include "Scenario.h"
#include "SettingsKeys.h"

namespace hueloupe {

namespace {

using testing::sendMouse;

// The colours the widget shows at the points.
QStringList paintedAt(QWidget& widget, const QList<QPointF>& points) {
    const QImage image = widget.grab().toImage();
    QStringList names;
    for (const QPointF& point : points) names << image.pixelColor(point.toPoint()).name();
    return names;
}

}  // namespace

class ColorHistoryViewTest : public QObject {
    Q_OBJECT

    QList<ColorValue> selected_;  // what the views made here reported
    const QStringList kFive{"#ff0000", "#00ff00", "#0000ff", "#ffff00", "#00ffff"};
    const QList<ColorValue> kFiveValues{
        {1, 0, 0, 1}, {0, 1, 0, 1}, {0, 0, 1, 1}, {1, 1, 0, 1}, {0, 1, 1, 1}};
    InMemoryPreferences preferences_;

    void listen(ColorHistoryView& view) {
        connect(&view, &ColorHistoryView::colorSelected, this, [this](auto& c) { selected_ << c; });
    }

    std::unique_ptr<ColorHistoryView> makeView(const QStringList& stored, QSize size) {
        preferences_.setObject(stored, keys::kColorHistory);
        auto view = std::make_unique<ColorHistoryView>();
        view->resize(size);
        view->setPreferences(preferences_);
        view->awakeFromNib();
        listen(*view);
        selected_.clear();
        return view;
    }

private slots:
    // A chip's press area is its drawn span, edges included, at any height: above, on or below
    // the row. A grey chip, a gap or another button selects nothing; a press never writes.
    void pressSelectsByXAlone() {
        const auto view = makeView(kFive.first(3), QSize(180, 80));
        const int writes = preferences_.writeCount();
        for (int chip = 0; chip < 5; ++chip) {
            const QRectF r = view->chipRect(chip);
            for (const double x : {r.left() - 0.5, r.left(), r.right(), r.right() + 0.5}) {
                selected_.clear();
                sendMouse(view.get(), true, {x, 60}, Qt::RightButton);
                for (const double y : {0.0, 53.0, 79.9}) sendMouse(view.get(), true, {x, y});
                const bool hit = r.left() <= x && x <= r.right() && chip < 3;
                QCOMPARE(selected_, QList<ColorValue>(hit ? 3 : 0,
                                                      hit ? kFiveValues[chip] : ColorValue{}));
            }
        }
        QCOMPARE(preferences_.writeCount(), writes);
    }

    // Left, Right, Home and End move the focused chip within the row; Enter or Space selects it
    // as a click does. Keys as QKeySequence spells them; "@N": a press on chip N (-1: a gap).
    void keysMoveAndSelect() {
        const struct {
            int stored;
            const char* keys;
            QList<int> chosen;  // the chips whose colours were selected
            int focused;
        } cases[] = {
            {5, "Right Right Right Right Right Enter", {4}, 4},  // stops at the last
            {5, "Left Return", {0}, 0},                          // and at the first
            {5, "End Left Return Home Space", {3, 0}, 0},
            {3, "End Return", {}, 4},  // a grey chip selects nothing
            {5, "@3 Left Return", {3, 2}, 2},
            {5, "Right @-1 Return", {1}, 1},
            {5, "Ctrl+Right Shift+Return Alt+End", {}, 0},
        };
        for (const auto& c : cases) {
            const auto view = makeView(kFive.first(c.stored), QSize(170, 30));
            for (const QString& key : QString(c.keys).split(' ')) {
                const int chip = key.mid(1).toInt();
                if (key.startsWith('@')) {
                    sendMouse(view.get(), true,
                              {chip < 0 ? 29.5 : view->chipRect(chip).center().x(), 15});
                } else {
                    const QKeyCombination combination = QKeySequence(key)[0];
                    QTest::keyClick(view.get(), combination.key(), combination.keyboardModifiers());
                }
            }
            QList<ColorValue> expected;
            for (const int chip : c.chosen) expected << kFiveValues[chip];
            QCOMPARE(selected_, expected);
            QCOMPARE(view->focusedChip(), c.focused);
        }
    }

    // Each chip is a button of its own, named by its colour, pressed as a click presses it.
    void chipsAreButtonsForAssistiveTools() {
        ColorHistoryView bare;
        QCOMPARE(QAccessible::queryAccessibleInterface(&bare)->childCount(), 0);
        const auto view = makeView({"#bce368", "rgba(0, 0, 255, 0.5)"}, QSize(170, 30));
        QAccessibleInterface* row = QAccessible::queryAccessibleInterface(view.get());
        QCOMPARE(row->text(QAccessible::Name), QString("Colour history"));
        const auto said = [&] {  // the names, or what is wrong with a chip
            QStringList names;
            for (int i = 0; i < row->childCount(); ++i) {
                QAccessibleInterface* chip = row->child(i);
                const bool button = chip->role() == QAccessible::Button && chip->state().focusable;
                const bool placed = row->indexOfChild(chip) == i && chip->parent() == row;
                names << (button && placed ? chip->text(QAccessible::Name) : "misplaced");
            }
            return names;
        };
        QCOMPARE(said(),
                 (QStringList{"history colour #bce368", "history colour #0000ff",
                              "empty history chip", "empty history chip", "empty history chip"}));
        for (const int chip : {1, 3}) {
            row->child(chip)->actionInterface()->doAction(
                QAccessibleActionInterface::pressAction());
        }
        QCOMPARE(selected_, (QList<ColorValue>{{0, 0, 1, 0.5}}));
        const QPoint onChip1 = view->mapToGlobal(view->chipRect(1).center().toPoint());
        QCOMPARE(row->childAt(onChip1.x(), onChip1.y()), row->child(1));
        view->pushColor({1, 1, 1, 1});
        QCOMPARE(said().first(2),
                 (QStringList{"history colour #ffffff", "history colour #bce368"}));
        QCOMPARE(row->focusChild(), nullptr);  // until the view has the focus
        view->show();
        QVERIFY(QTest::qWaitForWindowActive(view.get()));
        view->setFocus();
        QTest::keyClick(view.get(), Qt::Key_Right);
        QVERIFY(row->focusChild() == row->child(1) && row->child(1)->state().focused);
        // The focused chip is ringed inside its own bounds: highlight, then highlighted text.
        const QPointF left(view->chipRect(1).left(), view->chipRect(1).center().y());
        QCOMPARE(
            paintedAt(*view, {left + QPointF(1, 0), left + QPointF(2, 0), left + QPointF(5, 0)}),
            (QStringList{view->palette().color(QPalette::Highlight).name(),
                         view->palette().color(QPalette::HighlightedText).name(), "#bce368"}));
    }
};

}  // namespace hueloupe

QTEST_MAIN(hueloupe::ColorHistoryViewTest)
#include "ColorHistoryViewTest.moc"
