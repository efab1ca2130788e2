// SPDX-License-Identifier: MIT
#include "LoupePicker.h"

#include <utility>

#include "ScreenSampler.h"

namespace hueloupe {

LoupePicker::LoupePicker(std::unique_ptr<ScreenSampler> sampler,
                         LoupeWindow::MonitorSource monitors, LoupeWindow::InputGrab grab,
                         QObject* parent)
    : Picker(parent),
      sampler_(std::move(sampler)),
      monitors_(std::move(monitors)),
      grab_(std::move(grab)) {}

LoupePicker::~LoupePicker() = default;

void LoupePicker::begin(QPointF at) {
    if (!window_) {
        window_ = std::make_unique<LoupeWindow>(*sampler_, monitors_, grab_);
        connect(window_.get(), &LoupeWindow::colorPicked, this, &LoupePicker::reportPicked);
        connect(window_.get(), &LoupeWindow::pickFailed, this, &LoupePicker::reportFailed);
    }
    if (!window_->start(at)) {
        reportUnavailable();
    }
}

void LoupePicker::end() {
    window_->stop();
}

}  // namespace hueloupe
