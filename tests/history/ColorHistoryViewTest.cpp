// SPDX-License-Identifier: MIT
#include "ColorHistoryView.h"

#include <QImage>
#include <QMouseEvent>
#include <QTest>

#include "ColorHistoryViewDelegate.h"
#include "InMemoryPreferences.h"

namespace hueloupe {

namespace {

void press(QWidget& widget, QPointF at, Qt::MouseButton button = Qt::LeftButton) {
    QMouseEvent event(QEvent::MouseButtonPress, at, widget.mapToGlobal(at), button, button, {});
    QCoreApplication::sendEvent(&widget, &event);
}

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
    InMemoryPreferences preferences_;

    std::unique_ptr<ColorHistoryView> makeView(const QStringList& stored, QSize size) {
        preferences_.setObject(stored, ColorHistory::kKey);
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
        const std::pair<double, int> presses[] = {{-0.5, -1}, {0, 0},   {26, 0},     {26.5, -1},
                                                  {33, 1},    {59, 1},  {59.01, -1}, {66, 2},
                                                  {99, 3},    {158, 4}, {158.5, -1}, {165, -1}};
        for (const auto& [x, chip] : presses) {
            QTest::addRow("x=%g", x) << x << chip;
        }
    }

    // At any height, above, on or below the row. A grey chip, another button, no delegate or
    // a view not yet set up selects nothing, and a press never changes the history.
    void pressSelectsByXAlone() {
        QFETCH(double, x);
        QFETCH(int, chip);
        const QStringList five{"#ff0000", "#00ff00", "#0000ff", "#ffff00", "#00ffff"};
        for (const qsizetype count : {5, 3}) {
            const auto view = makeView(five.first(count), QSize(180, 80));
            const int writes = preferences_.writeCount();
            selected_.clear();
            press(*view, {x, 60});
            ColorHistoryView bare;
            bare.setDelegate(this);
            press(bare, {x, 13});
            view->setDelegate(this);
            press(*view, {x, 60}, Qt::RightButton);
            for (const double y : {0.0, 13.0, 53.0, 79.9}) press(*view, {x, y});
            const bool hit = chip >= 0 && chip < count;
            QCOMPARE(selected_, QList<ColorValue>(hit ? 4 : 0,
                                                  view->colorAtIndex(chip).value_or(ColorValue{})));
            QCOMPARE(preferences_.writeCount(), writes);
        }
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
