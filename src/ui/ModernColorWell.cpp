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
#include "OverlayGeometry.h"
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
    setAccessibleName(tr(kAccessibleName));
    setAccessibleDescription(hexText(color_));
}

ModernColorWell::~ModernColorWell() {
    setPickSessions(nullptr);  // ends a running pick of this well's
}

void ModernColorWell::setPickSessions(PickSessions* sessions) {
    if (sessions_ != nullptr && session_) {
        sessions_->cancel(*session_);
    }
    session_.reset();
    sessions_ = sessions;
}

void ModernColorWell::setColor(const ColorValue& color) {
    const bool changed = color != color_;
    color_ = color;
    setAccessibleDescription(hexText(color_));  // tells assistive tools of the change
    update();
    if (changed) {
        emit colorChanged(color_);
    }
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
    messageLayer_ = new MessageOverlay(this);
    messageLayer_->setTextFadesIn(false);  // a new message shows at once; only hiding fades
    messageLayer_->setText(tr(kHint));
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
    const QPointF global = event->globalPosition();
    if (applicationState_->isActive()) {
        startMagnifier(position, global);
        return;
    }
    // An inactive application waits for a held press; the press's own location counts.
    scheduler_->after(kHoldDelay, [well = QPointer<ModernColorWell>(this), token, position, global] {
        if (well != nullptr && well->mouseDownToken_ == token) {
            well->startMagnifier(position, global);
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
    startPicking();  // a key reaches only an active window: no hold
}

void ModernColorWell::focusOutEvent(QFocusEvent* event) {
    keyDown_.reset();
    QWidget::focusOutEvent(event);
}

void ModernColorWell::startPicking() {
    startMagnifier(kKeyPressPosition);
}

void ModernColorWell::startMagnifier(QPointF position, std::optional<QPointF> global) {
    const qreal aboveBottom = height() - position.y();
    if (aboveBottom <= kBottomStrip) {
        return;
    }
    if (sessions_ == nullptr) {
        showMessage(tr(kNoPicker));
        return;
    }
    // Any running pick, this well's or one asked for elsewhere, gives way to this press.
    // A press opens the loupe where it was pressed: a drag away from there picks on release.
    session_ = sessions_->start(
        global.value_or(QCursor::pos()), [well = QPointer<ModernColorWell>(this)](const PickOutcome& outcome) {
            if (well != nullptr) {
                well->pickEnded(outcome);
            }
        });
    if (!sessions_->isRunning(*session_)) {
        session_.reset();  // it ended before start() returned
    }
}

void ModernColorWell::pickEnded(const PickOutcome& outcome) {
    session_.reset();
    switch (outcome.kind) {
    case PickOutcome::Kind::Picked:
        setColor(outcome.color);
        emit colorPicked(outcome.color);
        if (!applicationState_->isActive()) {
            applicationState_->activate(window());
            mouseDownToken_.reset();
        }
        break;
    case PickOutcome::Kind::Unavailable:
        showMessage(tr(kNoPicker));  // otherwise the press would seem to do nothing
        break;
    case PickOutcome::Kind::Failed:
        break;
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
