// SPDX-License-Identifier: MIT
#include "MessageOverlay.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
#include <QPropertyAnimation>

#include "OverlayGeometry.h"

namespace hueloupe {

namespace {

constexpr int kFontPixelSize = 16;

}  // namespace

MessageOverlay::MessageOverlay(QWidget* parent)
    : QWidget(parent), fade_(new QPropertyAnimation(this, "presentedOpacity", this)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    fade_->setDuration(kFadeMs);
}

MessageOverlay::~MessageOverlay() = default;

QFont MessageOverlay::defaultFont() {
    // A lookup of one family by name; when the match is another family, the face is missing.
    static const bool hasHelveticaNeue =
        QFontInfo(QFont(QStringLiteral("Helvetica Neue"))).family() ==
        QLatin1String("Helvetica Neue");
    QFont font = hasHelveticaNeue ? QFont(QStringLiteral("Helvetica Neue"))
                                  : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setBold(true);
    font.setPixelSize(kFontPixelSize);
    return font;
}

void MessageOverlay::setText(const QString& text) {
    text_ = text;
    update();
    if (textFadesIn_ && !isFading()) {
        fade_->setStartValue(0.0);
        fade_->setEndValue(opacity_);
        fade_->start();
    }
}

void MessageOverlay::setWrapped(bool wrapped) {
    wrapped_ = wrapped;
    update();
}

void MessageOverlay::setTruncatesAtEnd(bool truncates) {
    truncatesAtEnd_ = truncates;
    update();
}

void MessageOverlay::setTextColor(const QColor& color) {
    textColor_ = color;
    update();
}

void MessageOverlay::setFrame(const QRectF& frame) {
    frame_ = frame;
    followParent();
}

void MessageOverlay::followParent() {
    const qreal parentHeight = parentWidget() != nullptr ? parentWidget()->height() : 0;
    setGeometry(toWidgetRect(frame_, parentHeight).toAlignedRect());
}

void MessageOverlay::setOpacity(qreal opacity) {
    opacity_ = opacity;
    if (!isFading() && presentedOpacity_ == opacity) {
        return;  // nothing moves
    }
    fade_->stop();
    fade_->setStartValue(presentedOpacity_);
    fade_->setEndValue(opacity);
    fade_->start();
}

bool MessageOverlay::isFading() const {
    return fade_->state() == QAbstractAnimation::Running;
}

void MessageOverlay::setPresentedOpacity(qreal opacity) {
    presentedOpacity_ = opacity;
    update();
}

void MessageOverlay::paintEvent(QPaintEvent* /*event*/) {
    if (presentedOpacity_ <= 0 || text_.isEmpty()) {
        return;
    }
    QPainter painter(this);
    painter.setOpacity(presentedOpacity_);
    painter.setFont(font());
    painter.setPen(textColor_);
    const QRect area = rect();
    if (wrapped_) {
        painter.drawText(area, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text_);
        return;
    }
    QString line = text_;
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (truncatesAtEnd_) {
        line = painter.fontMetrics().elidedText(line, Qt::ElideRight, area.width());
    }
    painter.drawText(area, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, line);
}

}  // namespace hueloupe
