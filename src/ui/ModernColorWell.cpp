// SPDX-License-Identifier: MIT
#include "ModernColorWell.h"

#include <utility>

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include "ApplicationState.h"
#include "ColorAdapters.h"
#include "ColorFormatter.h"
#include "FocusRing.h"
#include "MessageOverlay.h"
#include "ModernColorWellDelegate.h"
#include "OverlayGeometry.h"
#include "Picker.h"
#include "Token.h"

namespace hueloupe {

namespace {

constexpr ColorValue kOverlayTextColor{1.0, 1.0, 1.0, 0.8};

// A key has no place of its own: it counts as a press at the top of the well, clear of the
// bottom strip. The loupe opens under the pointer either way.
constexpr QPointF kKeyPressPosition{0, 0};

QString hexText(const ColorValue& color) {
    return QString::fromStdString(ColorFormatter().stringForColor(color));
}

bool startsLoupe(const QKeyEvent& event) {
    const int key = event.key();
    const bool plain = (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    return plain && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space);
}

}  // namespace

ModernColorWell::ModernColorWell(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(kAccessibleName);
    setAccessibleDescription(hexText(color_));
}

ModernColorWell::~ModernColorWell() {
    setPicker(nullptr);  // ends a running session
}

void ModernColorWell::setPicker(Picker* picker) {
    if (picker_ != nullptr) {
        if (std::exchange(picking_, false)) {
            picker_->cancel();
        }
        picker_->disconnect(this);
    }
    picker_ = picker;
    if (picker != nullptr) {
        connect(picker, &Picker::picked, this, &ModernColorWell::colorPicked);
        connect(picker, &Picker::failed, this, &ModernColorWell::pickFailed);
        connect(picker, &Picker::unavailable, this, &ModernColorWell::pickUnavailable);
    }
}

void ModernColorWell::setColor(const ColorValue& color) {
    color_ = color;
    setAccessibleDescription(hexText(color_));  // tells assistive tools of the change
    update();
}

void ModernColorWell::awakeFromNib() {
    setupLayers();
}

void ModernColorWell::setupLayers() {
    makeOverlay();
    const QString token = makeToken();
    messageToken_ = token;
    armExpiry(token, kHintDelay);
}

void ModernColorWell::makeOverlay() {
    delete messageLayer_;  // a second set-up replaces the overlay
    messageLayer_ = new MessageOverlay(layerDelegate_, this);
    messageLayer_->setText(kHint);
    messageLayer_->setFont(MessageOverlay::defaultFont());
    messageLayer_->setTextColor(makeSRGBColor(kOverlayTextColor));
    messageLayer_->setWrapped(true);
    // Computed once: later resizes keep the width and the distance from the bottom edge.
    messageLayer_->setFrame(hintOverlayFrame(width()));
    messageLayer_->show();
}

void ModernColorWell::showMessage(const QString& text) {
    if (messageLayer_ == nullptr) {
        makeOverlay();  // a well made in code and never set up still shows messages
    }
    messageLayer_->setText(text);
    // Geometry, wrapping and truncation change at once, without animation.
    messageLayer_->setFrame(withHeight(messageLayer_->frame(), kMessageHeight));
    messageLayer_->setWrapped(false);
    messageLayer_->setTruncatesAtEnd(true);
    messageLayer_->setOpacity(1.0);  // fades in if the overlay was hidden
    const QString token = makeToken();
    messageToken_ = token;
    armExpiry(token, kMessageDelay);
}

void ModernColorWell::armExpiry(const QString& token, Scheduler::Duration delay) {
    scheduler_->after(delay, [well = QPointer<ModernColorWell>(this), token] {
        if (well != nullptr) {
            well->expireMessage(token);
        }
    });
}

void ModernColorWell::expireMessage(const QString& token) {
    if (!messageToken_ || *messageToken_ != token || messageLayer_ == nullptr) {
        return;  // a newer text owns the overlay
    }
    messageLayer_->setOpacity(0.0);
    messageToken_.reset();
}

void ModernColorWell::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const QString token = makeToken();
    mouseDownToken_ = token;
    const QPointF position = event->position();
    if (applicationState_->isActive()) {
        startMagnifier(position);
        return;
    }
    // An inactive application waits for a held press; the press's own location counts.
    scheduler_->after(kHoldDelay, [well = QPointer<ModernColorWell>(this), token, position] {
        if (well != nullptr && well->mouseDownToken_ == token) {
            well->startMagnifier(position);
        }
    });
}

void ModernColorWell::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    mouseDownToken_.reset();
}

void ModernColorWell::keyPressEvent(QKeyEvent* event) {
    if (!startsLoupe(*event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat()) {
        keyDown_ = event->key();
    }
}

// The loupe opens when the key comes up, so that neither the repeats of a held Enter nor the
// release pick at once; the release of an Enter that picked in the loupe finds nothing pressed.
void ModernColorWell::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat() || !keyDown_ || *keyDown_ != event->key()) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    keyDown_.reset();
    startMagnifier(kKeyPressPosition);  // a key reaches only an active window: no hold
}

void ModernColorWell::focusOutEvent(QFocusEvent* event) {
    keyDown_.reset();
    QWidget::focusOutEvent(event);
}

void ModernColorWell::startPickAtPointer() {
    startMagnifier(kKeyPressPosition);
}

void ModernColorWell::startMagnifier(QPointF position) {
    const qreal aboveBottom = height() - position.y();
    if (aboveBottom <= kBottomStrip) {
        return;
    }
    if (picker_ == nullptr) {
        showMessage(kNoPicker);
        return;
    }
    if (std::exchange(picking_, false)) {
        picker_->cancel();  // an earlier pick that was never answered gives way to this press
    }
    picking_ = true;
    picker_->start(QCursor::pos());
}

void ModernColorWell::colorPicked(const ColorValue& color) {
    if (!std::exchange(picking_, false)) {
        return;
    }
    setColor(color);
    if (delegate_ != nullptr) {
        delegate_->colorChanged(color);
    }
    if (!applicationState_->isActive()) {
        applicationState_->activate(window());
        mouseDownToken_.reset();
    }
}

void ModernColorWell::pickFailed() {
    picking_ = false;
}

void ModernColorWell::pickUnavailable() {
    if (std::exchange(picking_, false)) {
        showMessage(kNoPicker);  // otherwise the press would seem to do nothing
    }
}

void ModernColorWell::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), makeSRGBColor(color_));
    if (hasFocus()) {
        drawFocusRing(painter, rect(), palette());
    }
}

void ModernColorWell::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (messageLayer_ != nullptr) {
        messageLayer_->followParent();
    }
}

}  // namespace hueloupe
