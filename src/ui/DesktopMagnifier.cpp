// SPDX-License-Identifier: MIT
#include "DesktopMagnifier.h"

#include <utility>

#include <QCursor>

#include "ScreenMagnifier.h"

namespace hueloupe {

DesktopMagnifier::DesktopMagnifier(PickerChoice choice, ScreenMagnifier& screen, Magnifier& portal)
    : choice_(std::move(choice)), screen_(screen), portal_(portal) {}

DesktopMagnifier::~DesktopMagnifier() {
    if (active_ != nullptr) {
        active_->stopTracking(this);
    }
}

void DesktopMagnifier::trackMagnifierWithDelegate(MagnifierDelegate* delegate) {
    trackAt(QCursor::pos(), delegate);
}

void DesktopMagnifier::trackAt(QPointF globalPosition, MagnifierDelegate* delegate) {
    if (Magnifier* running = std::exchange(active_, nullptr)) {
        // One session at a time: the running one ends as a failure.
        running->stopTracking(this);
        if (MagnifierDelegate* told = std::exchange(delegate_, nullptr)) {
            told->magnifierDidFailToSelectColor(this);
        }
    }
    delegate_ = delegate;
    if (choice_.picker == Picker::Screen) {
        active_ = &screen_;
        if (screen_.tryTrackAt(globalPosition, this)) {
            return;
        }
        active_ = nullptr;
        if (!choice_.portalWhenUnreadable) {
            if (MagnifierDelegate* told = std::exchange(delegate_, nullptr)) {
                told->magnifierIsUnavailable(this);
            }
            return;
        }
    }
    active_ = &portal_;  // set first: the portal may answer before the call returns
    portal_.trackMagnifierWithDelegate(this);
}

void DesktopMagnifier::stopTracking(MagnifierDelegate* delegate) {
    if (delegate == nullptr || delegate != delegate_) {
        return;  // not the session's delegate: nothing to end
    }
    delegate_ = nullptr;
    if (Magnifier* active = std::exchange(active_, nullptr)) {
        active->stopTracking(this);
    }
}

MagnifierDelegate* DesktopMagnifier::endSession(Magnifier* reporter) {
    if (reporter != active_) {
        return nullptr;
    }
    active_ = nullptr;
    return std::exchange(delegate_, nullptr);
}

void DesktopMagnifier::magnifierDidSelectColor(Magnifier* magnifier, const ColorValue& color) {
    if (MagnifierDelegate* told = endSession(magnifier)) {
        told->magnifierDidSelectColor(this, color);
    }
}

void DesktopMagnifier::magnifierDidFailToSelectColor(Magnifier* magnifier) {
    if (MagnifierDelegate* told = endSession(magnifier)) {
        told->magnifierDidFailToSelectColor(this);
    }
}

void DesktopMagnifier::magnifierIsUnavailable(Magnifier* magnifier) {
    if (MagnifierDelegate* told = endSession(magnifier)) {
        told->magnifierIsUnavailable(this);
    }
}

}  // namespace hueloupe
