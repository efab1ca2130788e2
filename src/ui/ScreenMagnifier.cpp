// SPDX-License-Identifier: MIT
#include "ScreenMagnifier.h"

#include <QCursor>

#include "LoupeWindow.h"
#include "ScreenSampler.h"

namespace hueloupe {

ScreenMagnifier::ScreenMagnifier(ScreenSampler& sampler) : sampler_(sampler) {}

ScreenMagnifier::ScreenMagnifier() : ScreenMagnifier(ScreenSampler::standard()) {}

ScreenMagnifier::~ScreenMagnifier() = default;

void ScreenMagnifier::trackMagnifierWithDelegate(MagnifierDelegate* delegate) {
    trackAt(QCursor::pos(), delegate);
}

void ScreenMagnifier::trackAt(QPointF globalPosition, MagnifierDelegate* delegate) {
    if (!tryTrackAt(globalPosition, delegate) && delegate != nullptr) {
        // The screen cannot be read here (a null grab): the session ends as a failure.
        delegate->magnifierDidFailToSelectColor(this);
    }
}

bool ScreenMagnifier::tryTrackAt(QPointF globalPosition, MagnifierDelegate* delegate) {
    if (delegate_ != nullptr) {
        finish(nullptr);  // one session at a time
    }
    if (!window_) {
        window_ = std::make_unique<LoupeWindow>(sampler_);
        QObject::connect(window_.get(), &LoupeWindow::colorPicked,
                         [this](const ColorValue& color) { finish(&color); });
        QObject::connect(window_.get(), &LoupeWindow::pickFailed, [this] { finish(nullptr); });
    }
    if (!window_->start(globalPosition)) {
        return false;
    }
    delegate_ = delegate;
    return true;
}

void ScreenMagnifier::stopTracking(MagnifierDelegate* delegate) {
    if (delegate == nullptr || delegate != delegate_) {
        return;
    }
    delegate_ = nullptr;
    if (window_) {
        window_->stop();
    }
}

void ScreenMagnifier::finish(const ColorValue* color) {
    MagnifierDelegate* delegate = delegate_;
    delegate_ = nullptr;
    if (window_) {
        window_->stop();
    }
    if (delegate == nullptr) {
        return;
    }
    if (color != nullptr) {
        delegate->magnifierDidSelectColor(this, *color);
    } else {
        delegate->magnifierDidFailToSelectColor(this);
    }
}

}  // namespace hueloupe
