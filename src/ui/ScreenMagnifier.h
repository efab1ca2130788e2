// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include <QPointF>

#include "Magnifier.h"

namespace hueloupe {

class LoupeWindow;
class ScreenSampler;

// The screen loupe: a LoupeWindow made on first use, reporting to one delegate per session.
class ScreenMagnifier final : public Magnifier {
public:
    explicit ScreenMagnifier(ScreenSampler& sampler);
    ScreenMagnifier();  // reads the real screen
    ~ScreenMagnifier() override;

    void trackMagnifierWithDelegate(MagnifierDelegate* delegate) override;
    void stopTracking(MagnifierDelegate* delegate) override;

    // Starts a session at a given global logical position instead of the pointer's.
    void trackAt(QPointF globalPosition, MagnifierDelegate* delegate);
    // As trackAt, but when the screen cannot be read there it returns false and tells the
    // delegate nothing, so that the caller can try another picker.
    bool tryTrackAt(QPointF globalPosition, MagnifierDelegate* delegate);

    // The window, once a session has made it.
    LoupeWindow* window() const { return window_.get(); }

private:
    void finish(const ColorValue* color);

    ScreenSampler& sampler_;
    std::unique_ptr<LoupeWindow> window_;
    MagnifierDelegate* delegate_ = nullptr;
};

}  // namespace hueloupe
