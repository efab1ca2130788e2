// SPDX-License-Identifier: MIT
#include "ColorHistoryView.h"

#include <algorithm>

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "ChipGeometry.h"
#include "ColorAdapters.h"
#include "ColorHistoryViewAccessible.h"

namespace hueloupe {

namespace {

const QColor kEmptyChipColour(128, 128, 128);
const QColor kChipBorderColour = QColor::fromRgbF(1.0f, 1.0f, 1.0f, 0.2f);

void tellAssistiveTools(QWidget* view, QAccessible::Event type, int chip) {
    QAccessibleEvent event(view, type);
    event.setChild(chip);
    QAccessible::updateAccessibility(&event);
}

}  // namespace

ColorHistoryView::ColorHistoryView(QWidget* parent) : QWidget(parent) {
    ColorHistoryViewAccessible::install();
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Colour history"));
}

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
        tellAssistiveTools(this, QAccessible::NameChanged, static_cast<int>(i));
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

std::optional<ColorValue> ColorHistoryView::chipColor(int index) const {
    return index >= 0 && index < chipCount() ? chips_[index] : std::nullopt;
}

void ColorHistoryView::selectChip(int index) {
    if (const std::optional<ColorValue> color = colorAtIndex(index)) {
        emit colorSelected(*color);
    }
}

void ColorHistoryView::focusChip(int index) {
    const int chip = std::clamp(index, 0, std::max(chipCount() - 1, 0));
    if (chip == focusedChip_) {
        return;
    }
    focusedChip_ = chip;
    update();
    if (hasFocus()) {
        tellAssistiveTools(this, QAccessible::Focus, chip);
    }
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
    if (hasFocus() && focusedChip_ < chipCount()) {
        paintFocusRing(painter);
    }
}

// Inside the focused chip, as the row has no room around it: 2 pixels of the highlight colour
// lined with 1 pixel of the highlighted-text colour, so that it shows on any chip colour.
void ColorHistoryView::paintFocusRing(QPainter& painter) const {
    const QRectF rect = chipRect(focusedChip_);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRoundedRect(rect.adjusted(1, 1, -1, -1), chips::kCornerRadius - 1,
                            chips::kCornerRadius - 1);
    painter.setPen(QPen(palette().color(QPalette::HighlightedText), 1));
    painter.drawRoundedRect(rect.adjusted(2.5, 2.5, -2.5, -2.5), chips::kCornerRadius - 2.5,
                            chips::kCornerRadius - 2.5);
}

void ColorHistoryView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    if (const std::optional<int> chip = chipAtX(event->position().x())) {
        focusChip(*chip);
        selectChip(*chip);
    }
}

void ColorHistoryView::keyPressEvent(QKeyEvent* event) {
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
        case Qt::Key_Left:
            focusChip(focusedChip_ - 1);
            break;
        case Qt::Key_Right:
            focusChip(focusedChip_ + 1);
            break;
        case Qt::Key_Home:
            focusChip(0);
            break;
        case Qt::Key_End:
            focusChip(chipCount() - 1);
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (!event->isAutoRepeat()) {
                selectChip(focusedChip_);
            }
            break;
        default:
            QWidget::keyPressEvent(event);
    }
}

}  // namespace hueloupe
