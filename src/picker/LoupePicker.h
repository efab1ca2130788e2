// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include "LoupeWindow.h"
#include "Picker.h"

namespace hueloupe {

class ScreenSampler;

// The screen loupe as a picker: a LoupeWindow made on the first start. A start where the
// screen cannot be read (a null grab) ends as unavailable; one where the input cannot be held
// ends as failed.
class LoupePicker final : public Picker {
    Q_OBJECT

public:
    LoupePicker(std::unique_ptr<ScreenSampler> sampler, LoupeWindow::MonitorSource monitors,
                LoupeWindow::InputGrab grab = LoupeWindow::grabInput, QObject* parent = nullptr);
    ~LoupePicker() override;

    // The window, once a session has made it.
    LoupeWindow* window() const { return window_.get(); }

protected:
    void begin(QPointF at) override;
    void end() override;

private:
    std::unique_ptr<ScreenSampler> sampler_;
    LoupeWindow::MonitorSource monitors_;
    LoupeWindow::InputGrab grab_;
    std::unique_ptr<LoupeWindow> window_;
};

}  // namespace hueloupe
