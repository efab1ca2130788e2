#include "history/ColorHistoryView.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>

#include "history/ColorHistoryViewDelegate.h"
#include "platform/ColorAdapters.h"
#include "platform/InMemoryPreferences.h"

namespace hueloupe {

namespace {

class RecordingDelegate final : public ColorHistoryViewDelegate {
public:
    void colorSelected(const ColorValue& color) override { selected.append(color); }
    QList<ColorValue> selected;
};

ColorValue rgb(int red, int green, int blue, double alpha = 1.0) {
    return {red / 255.0, green / 255.0, blue / 255.0, alpha};
}

const QStringList kFive{"#ff0000", "#00ff00", "#0000ff", "#ffff00", "#00ffff"};
const QList<ColorValue> kFiveColours{rgb(255, 0, 0), rgb(0, 255, 0), rgb(0, 0, 255),
                                     rgb(255, 255, 0), rgb(0, 255, 255)};

void press(QWidget& widget, QPointF position, Qt::MouseButton button = Qt::LeftButton) {
    QMouseEvent event(QEvent::MouseButtonPress, position, widget.mapToGlobal(position), button,
                      button, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

QImage render(QWidget& widget, qreal ratio) {
    QImage image(widget.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);  // no window background
    return image;
}

// The pixel at a logical position, in a rendering at the given ratio.
QColor pixelAt(const QImage& image, QPointF logical) {
    const qreal ratio = image.devicePixelRatio();
    return image.pixelColor(static_cast<int>(logical.x() * ratio),
                            static_cast<int>(logical.y() * ratio));
}

}  // namespace

class ColorHistoryViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void clickSelectsByXAlone_data();
    void clickSelectsByXAlone();
    void greyChipsIgnoreClicks();
    void clicksNeedADelegateAndTheLeftButton();
    void chipsSitAlongTheBottom_data();
    void chipsSitAlongTheBottom();
    void pushFillsTheNextGreyChip();
    void nothingBeforeSetUp();
    void sizeHoldsTheRow();

private:
    std::unique_ptr<ColorHistoryView> makeView(const QStringList& stored, QSize size);

    std::unique_ptr<InMemoryPreferences> preferences_;
    std::unique_ptr<ScopedStandardPreferences> scope_;
};

void ColorHistoryViewTest::init() {
    preferences_ = std::make_unique<InMemoryPreferences>();
    scope_ = std::make_unique<ScopedStandardPreferences>(*preferences_);
}

void ColorHistoryViewTest::cleanup() {
    scope_.reset();
    preferences_.reset();
}

std::unique_ptr<ColorHistoryView> ColorHistoryViewTest::makeView(const QStringList& stored,
                                                                 QSize size) {
    preferences_->setObject(stored, ColorHistory::kKey);
    auto view = std::make_unique<ColorHistoryView>();
    view->resize(size);
    view->awakeFromNib();
    return view;
}

void ColorHistoryViewTest::clickSelectsByXAlone_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("chip");  // -1: ignored
    const struct {
        double x;
        int chip;
    } presses[] = {{0, 0},      {13, 0},     {26, 0},   {26.5, -1}, {30, -1}, {33, 1},
                   {59, 1},     {59.01, -1}, {66, 2},   {99, 3},    {132, 4}, {158, 4},
                   {158.5, -1}, {164.9, -1}, {165, -1}, {170, -1}};
    for (const auto& p : presses) {
        QTest::addRow("x=%g", p.x) << p.x << p.chip;
    }
}

void ColorHistoryViewTest::clickSelectsByXAlone() {
    QFETCH(double, x);
    QFETCH(int, chip);
    QCOMPARE(ColorHistoryView::chipAtX(x), chip < 0 ? std::nullopt : std::optional<int>(chip));

    // A view taller than the row: above, on and below the chips' height alike.
    const auto view = makeView(kFive, QSize(180, 80));
    RecordingDelegate delegate;
    view->setDelegate(&delegate);
    for (const double y : {0.0, 10.5, 53.0, 66.0, 79.9}) {
        press(*view, QPointF(x, y));
    }
    const QList<ColorValue> expected =
        chip < 0 ? QList<ColorValue>{} : QList<ColorValue>(5, kFiveColours.at(chip));
    QCOMPARE(delegate.selected, expected);
    QCOMPARE(view->history().colors().size(), 5u);  // a click changes nothing
    QCOMPARE(preferences_->writeCount(), 1);
}

void ColorHistoryViewTest::greyChipsIgnoreClicks() {
    const auto view = makeView({"#ff0000", "#00ff00", "#0000ff"}, QSize(158, 26));
    RecordingDelegate delegate;
    view->setDelegate(&delegate);
    press(*view, QPointF(100, 13));  // chip 3
    press(*view, QPointF(140, 13));  // chip 4
    QVERIFY(delegate.selected.isEmpty());
    press(*view, QPointF(70, 13));  // chip 2
    QCOMPARE(delegate.selected, QList<ColorValue>{rgb(0, 0, 255)});
}

void ColorHistoryViewTest::clicksNeedADelegateAndTheLeftButton() {
    const auto view = makeView(kFive, QSize(158, 26));
    press(*view, QPointF(10, 13));  // no delegate: nothing happens, nothing breaks
    RecordingDelegate delegate;
    view->setDelegate(&delegate);
    press(*view, QPointF(10, 13), Qt::RightButton);
    press(*view, QPointF(10, 13), Qt::MiddleButton);
    QVERIFY(delegate.selected.isEmpty());
    view->setDelegate(nullptr);
    press(*view, QPointF(10, 13));
    QVERIFY(delegate.selected.isEmpty());
}

void ColorHistoryViewTest::chipsSitAlongTheBottom_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("1x") << qreal(1);
    QTest::newRow("1.5x") << qreal(1.5);
    QTest::newRow("2x") << qreal(2);
}

void ColorHistoryViewTest::chipsSitAlongTheBottom() {
    QFETCH(qreal, ratio);
    const auto view = makeView({"#ff0000", "#00ff00", "rgba(0, 0, 255, 0.5)"}, QSize(170, 60));
    const QImage image = render(*view, ratio);
    const QColor black(Qt::black);
    const QColor grey(128, 128, 128);
    const double middle = 60 - 13;
    QCOMPARE(pixelAt(image, {13, middle}), QColor(255, 0, 0));
    QCOMPARE(pixelAt(image, {46, middle}), QColor(0, 255, 0));
    const QColor halfBlue = pixelAt(image, {79, middle});  // over the black background
    QCOMPARE(halfBlue.red(), 0);
    QVERIFY(qAbs(halfBlue.blue() - 128) <= 1);
    QCOMPARE(pixelAt(image, {112, middle}), grey);
    QCOMPARE(pixelAt(image, {145, middle}), grey);
    // Gaps, the space above the row and the rounded corners stay unpainted.
    QCOMPARE(pixelAt(image, {29.5, middle}), black);
    QCOMPARE(pixelAt(image, {13, 60 - 28}), black);
    QCOMPARE(pixelAt(image, {165, middle}), black);
    QVERIFY(pixelAt(image, {0.2, 60 - 25.8}).red() < 64);
    // The border: white at 0.2 over the chip's colour, just inside its edge.
    const QColor border = pixelAt(image, {13, 60 - 25.5});
    QVERIFY2(border.red() == 255 && border.green() > 40 && border.green() < 60,
             qPrintable(border.name()));
}

void ColorHistoryViewTest::pushFillsTheNextGreyChip() {
    const auto view = makeView({"#ff0000", "#00ff00", "#0000ff"}, QSize(158, 26));
    QCOMPARE(pixelAt(render(*view, 1), {112, 13}), QColor(128, 128, 128));
    view->pushColor(rgb(255, 255, 255));
    QCOMPARE(pixelAt(render(*view, 1), {13, 13}), QColor(255, 255, 255));
    QCOMPARE(pixelAt(render(*view, 1), {112, 13}), QColor(0, 0, 255));
    QCOMPARE(pixelAt(render(*view, 1), {145, 13}), QColor(128, 128, 128));
    QCOMPARE(preferences_->stored().value(ColorHistory::kKey).toStringList(),
             (QStringList{"#ffffff", "#ff0000", "#00ff00", "#0000ff"}));
    QCOMPARE(view->colorAtIndex(3), rgb(0, 0, 255));
}

void ColorHistoryViewTest::nothingBeforeSetUp() {
    ColorHistoryView view;
    view.resize(158, 26);
    RecordingDelegate delegate;
    view.setDelegate(&delegate);
    press(view, QPointF(10, 13));
    QVERIFY(delegate.selected.isEmpty());
    QVERIFY(!view.colorAtIndex(0).has_value());
    QCOMPARE(pixelAt(render(view, 1), {13, 13}), QColor(Qt::black));
}

void ColorHistoryViewTest::sizeHoldsTheRow() {
    ColorHistoryView view;
    QVERIFY(view.minimumSizeHint().width() >= 158);
    QVERIFY(view.minimumSizeHint().height() >= 26);
    QVERIFY(view.sizeHint().width() >= 158);
    QVERIFY(view.sizeHint().height() >= 26);
}

}  // namespace hueloupe

QTEST_MAIN(hueloupe::ColorHistoryViewTest)
#include "ColorHistoryViewTest.moc"
