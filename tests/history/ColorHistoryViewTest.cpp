// SPDX-License-Identifier: MIT
#include "ColorHistoryView.h"

#include <QAccessible>
#include <QImage>
#include <QTest>

#include "ColorHistoryViewDelegate.h"
#include "InMemoryPreferences.h"
#include "Scenario.h"
#include "SettingsKeys.h"

namespace hueloupe {

namespace {

using testing::sendMouse;

// The colours at logical points of the widget painted over black at a device pixel ratio.
QStringList paintedAt(QWidget& widget, qreal ratio, const QList<QPointF>& points) {
    QImage image(widget.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    QStringList names;
    for (const QPointF& point : points) names << image.pixelColor((point * ratio).toPoint()).name();
    return names;
}

}  // namespace

// Also the views' delegate, recording what they select.
class ColorHistoryViewTest : public QObject, public ColorHistoryViewDelegate {
    Q_OBJECT

    void colorSelected(const ColorValue& color) override { selected_.append(color); }

    QList<ColorValue> selected_;
    const QStringList kFive{"#ff0000", "#00ff00", "#0000ff", "#ffff00", "#00ffff"};
    const QList<ColorValue> kFiveValues{
        {1, 0, 0, 1}, {0, 1, 0, 1}, {0, 0, 1, 1}, {1, 1, 0, 1}, {0, 1, 1, 1}};
    InMemoryPreferences preferences_;

    std::unique_ptr<ColorHistoryView> makeView(const QStringList& stored, QSize size) {
        preferences_.setObject(stored, keys::kColorHistory);
        auto view = std::make_unique<ColorHistoryView>();
        view->resize(size);
        view->setPreferences(preferences_);
        view->awakeFromNib();
        return view;
    }

private slots:
    void pressSelectsByXAlone_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("chip");  // -1: none
        const std::pair<double, int> presses[] = {{-0.5, -1}, {0, 0},     {26, 0},     {26.5, -1},
                                                  {33, 1},    {59, 1},    {59.01, -1}, {99, 3},
                                                  {158, 4},   {158.5, -1}};
        for (const auto& [x, chip] : presses) {
            QTest::addRow("x=%g", x) << x << chip;
        }
    }

    // At any height, above, on or below the row. A grey chip, another button, no delegate or
    // a view not yet set up selects nothing, and a press never changes the history.
    void pressSelectsByXAlone() {
        QFETCH(double, x);
        QFETCH(int, chip);
        for (const qsizetype count : {5, 3}) {
            const auto view = makeView(kFive.first(count), QSize(180, 80));
            const int writes = preferences_.writeCount();
            selected_.clear();
            sendMouse(view.get(), true, {x, 60});
            ColorHistoryView bare;
            bare.setDelegate(this);
            sendMouse(&bare, true, {x, 13});
            view->setDelegate(this);
            sendMouse(view.get(), true, {x, 60}, Qt::RightButton);
            for (const double y : {0.0, 13.0, 53.0, 79.9}) sendMouse(view.get(), true, {x, y});
            const bool hit = chip >= 0 && chip < count;
            QCOMPARE(selected_,
                     QList<ColorValue>(hit ? 4 : 0, hit ? kFiveValues[chip] : ColorValue{}));
            QCOMPARE(preferences_.writeCount(), writes);
        }
    }

    void keysMoveAndSelect_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("keys");       // as QKeySequence spells them; "@N": a press on N
        QTest::addColumn<QList<int>>("chosen");  // the chips whose colours were selected
        QTest::addColumn<int>("focused");
        QTest::newRow("stops at the last")
            << 5 << "Right Right Right Right Right Enter" << QList<int>{4} << 4;
        QTest::newRow("stops at the first") << 5 << "Left Return" << QList<int>{0} << 0;
        QTest::newRow("End, Left, Home")
            << 5 << "End Left Return Home Space" << QList<int>{3, 0} << 0;
        QTest::newRow("a grey chip selects nothing") << 3 << "End Return" << QList<int>{} << 4;
        QTest::newRow("a press moves the focus") << 5 << "@3 Left Return" << QList<int>{3, 2} << 2;
        QTest::newRow("a press in a gap keeps it") << 5 << "Right @-1 Return" << QList<int>{1} << 1;
        QTest::newRow("modified keys do nothing")
            << 5 << "Ctrl+Right Shift+Return Alt+End" << QList<int>{} << 0;
    }

    // Left, Right, Home and End move the focused chip within the row; Enter or Space selects it
    // as a click does.
    void keysMoveAndSelect() {
        QFETCH(int, stored);
        QFETCH(QString, keys);
        QFETCH(QList<int>, chosen);
        QFETCH(int, focused);
        const auto view = makeView(kFive.first(stored), QSize(170, 30));
        view->setDelegate(this);
        selected_.clear();
        for (const QString& key : keys.split(' ')) {
            if (key.startsWith('@')) {
                const int chip = key.mid(1).toInt();
                sendMouse(view.get(), true,
                          {chip < 0 ? 29.5 : view->chipRect(chip).center().x(), 15});
            } else {
                const QKeyCombination combination = QKeySequence(key)[0];
                QTest::keyClick(view.get(), combination.key(), combination.keyboardModifiers());
            }
        }
        QList<ColorValue> expected;
        for (const int chip : chosen) expected << kFiveValues[chip];
        QCOMPARE(selected_, expected);
        QCOMPARE(view->focusedChip(), focused);
    }

    // Each chip is a button of its own, named by its colour, pressed as a click presses it.
    void chipsAreButtonsForAssistiveTools() {
        ColorHistoryView bare;
        QCOMPARE(QAccessible::queryAccessibleInterface(&bare)->childCount(), 0);
        const auto view = makeView({"#bce368", "rgba(0, 0, 255, 0.5)"}, QSize(170, 30));
        view->setDelegate(this);
        selected_.clear();
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
        QCOMPARE(said().first(3), (QStringList{"history colour #ffffff", "history colour #bce368",
                                               "history colour #0000ff"}));
        QCOMPARE(row->focusChild(), nullptr);  // until the view has the focus
        view->show();
        QVERIFY(QTest::qWaitForWindowActive(view.get()));
        view->setFocus();
        QTest::keyClick(view.get(), Qt::Key_Right);
        QVERIFY(row->focusChild() == row->child(1) && row->child(1)->state().focused);
        // The focused chip is ringed inside its own bounds: highlight, then highlighted text.
        const QPointF left(view->chipRect(1).left(), view->chipRect(1).center().y());
        QCOMPARE(
            paintedAt(*view, 1, {left + QPointF(1, 0), left + QPointF(2, 0), left + QPointF(5, 0)}),
            (QStringList{view->palette().color(QPalette::Highlight).name(),
                         view->palette().color(QPalette::HighlightedText).name(), "#bce368"}));
    }

    // Along the bottom edge, grey where no colour is yet, alpha over what lies beneath; gaps,
    // the space above stay unpainted; a white border at 0.2; a pushed colour fills a chip.
    void chipsSitAlongTheBottom() {
        const QList<QPointF> points{{13, 47},  {29.5, 47}, {46, 47}, {79, 47},  {112, 47},
                                    {145, 47}, {165, 47},  {13, 32}, {13, 34.2}};
        for (const qreal ratio : {1.0, 1.5, 2.0}) {
            const auto view = makeView({"#ff0000", "#00ff00", "rgba(0, 0, 255, 0.5)"}, {170, 60});
            QCOMPARE(paintedAt(*view, ratio, points),
                     (QStringList{"#ff0000", "#000000", "#00ff00", "#000080", "#808080", "#808080",
                                  "#000000", "#000000", "#ff3333"}));
            view->pushColor({1, 1, 1, 1});
            QCOMPARE(paintedAt(*view, ratio, {{13, 47}, {112, 47}, {145, 47}}),
                     (QStringList{"#ffffff", "#000080", "#808080"}));
        }
    }
};

}  // namespace hueloupe

QTEST_MAIN(hueloupe::ColorHistoryViewTest)
#include "ColorHistoryViewTest.moc"
