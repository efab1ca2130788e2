// SPDX-License-Identifier: MIT
#include "ColorHistoryView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "ChipGeometry.h"
#include "ColorAdapters.h"
#include "ColorHistoryViewDelegate.h"

namespace hueloupe {

namespace {

const QColor kEmptyChipColour(128, 128, 128);
const QColor kChipBorderColour = QColor::fromRgbF(1.0f, 1.0f, 1.0f, 0.2f);

}  // namespace

ColorHistoryView::ColorHistoryView(QWidget* parent) : QWidget(parent) {}

ColorHistoryView::~ColorHistoryView() = default;

void ColorHistoryView::setPreferences(Preferences& preferences) {
    history_ = std::make_unique<ColorHistory>(preferences);
}

void ColorHistoryView::awakeFromNib() {
    chips_.assign(chips::kCount, std::nullopt);
    if (history_) {
        history_->loadHistory();
    }
    updateChips();
}

const std::vector<ColorValue>& ColorHistoryView::colors() const {
    static const std::vector<ColorValue> none;
    return history_ ? history_->colors() : none;
}

void ColorHistoryView::updateChips() {
    const std::vector<ColorValue>& history = colors();
    for (std::size_t i = 0; i < history.size() && i < chips_.size(); ++i) {
        chips_[i] = history[i];
    }
    update();
}

void ColorHistoryView::pushColor(const ColorValue& color) {
    if (history_ && history_->pushColor(color)) {
        updateChips();
    }
}

std::optional<ColorValue> ColorHistoryView::colorAtIndex(qsizetype index) const {
    return history_ ? history_->colorAtIndex(index) : std::nullopt;
}

std::optional<int> ColorHistoryView::chipAtX(double x) {
    return chips::chipAtX(x);
}

QRectF ColorHistoryView::chipRect(int index) const {
    return {chips::chipLeft(index), height() - chips::kSize, chips::kSize, chips::kSize};
}

QSize ColorHistoryView::sizeHint() const {
    return minimumSizeHint();
}

QSize ColorHistoryView::minimumSizeHint() const {
    return {static_cast<int>(chips::kRowWidth), static_cast<int>(chips::kSize)};
}

void ColorHistoryView::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double inset = chips::kBorderWidth / 2;
    for (std::size_t i = 0; i < chips_.size(); ++i) {
        const QRectF rect = chipRect(static_cast<int>(i));
        const QColor fill = chips_[i] ? makeSRGBColor(*chips_[i]) : kEmptyChipColour;
        QPainterPath outline;
        outline.addRoundedRect(rect, chips::kCornerRadius, chips::kCornerRadius);
        painter.fillPath(outline, fill);
        // The border lies inside the chip, on top of its colour.
        painter.setPen(QPen(kChipBorderColour, chips::kBorderWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(rect.adjusted(inset, inset, -inset, -inset),
                                chips::kCornerRadius - inset, chips::kCornerRadius - inset);
    }
}

void ColorHistoryView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    const std::optional<int> chip = chipAtX(event->position().x());
    if (!chip || delegate_ == nullptr) {
        return;
    }
    if (const std::optional<ColorValue> color = colorAtIndex(*chip)) {
        delegate_->colorSelected(*color);
    }
}

}  // namespace hueloupe
