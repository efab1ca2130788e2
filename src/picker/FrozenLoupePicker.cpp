// SPDX-License-Identifier: MIT
#include "FrozenLoupePicker.h"

#include <utility>

#include <QGuiApplication>

#include "DesktopCapture.h"

namespace hueloupe {

FrozenLoupePicker::FrozenLoupePicker(std::unique_ptr<DesktopCapture> capture,
                                     MonitorSource monitors, bool pointerKnown,
                                     FrozenLoupe::InputGrab grab, QObject* parent)
    : Picker(parent),
      capture_(std::move(capture)),
      monitors_(std::move(monitors)),
      pointerKnown_(pointerKnown),
      loupe_(std::move(grab)) {
    connect(capture_.get(), &DesktopCapture::captured, this, &FrozenLoupePicker::captured);
    connect(capture_.get(), &DesktopCapture::unavailable, this,
            &FrozenLoupePicker::reportUnavailable);
    connect(&loupe_, &FrozenLoupe::colorPicked, this, &FrozenLoupePicker::reportPicked);
    connect(&loupe_, &FrozenLoupe::pickFailed, this, &FrozenLoupePicker::reportFailed);
}

FrozenLoupePicker::~FrozenLoupePicker() = default;

void FrozenLoupePicker::begin(QPointF at) {
    at_ = at;
    pressHeld_ = QGuiApplication::mouseButtons().testFlag(Qt::LeftButton);
    capture_->capture();
}

void FrozenLoupePicker::end() {
    capture_->cancel();
    loupe_.stop();
}

void FrozenLoupePicker::captured(const DesktopImage& image) {
    if (!isRunning()) {
        return;
    }
    if (!loupe_.start(image, monitors_(), pointerKnown_ ? std::optional(at_) : std::nullopt,
                      pressHeld_)) {
        reportFailed();
    }
}

}  // namespace hueloupe
