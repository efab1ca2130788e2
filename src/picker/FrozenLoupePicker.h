// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>

#include "FrozenLoupe.h"
#include "Picker.h"

namespace hueloupe {

class DesktopCapture;

// Our loupe as a picker: a session captures the desktop once, then shows the loupe over that
// still image. A desktop that cannot be captured makes the session unavailable (the desktop's
// own picker may then take it over); a loupe that cannot have the input fails it.
class FrozenLoupePicker final : public Picker {
    Q_OBJECT

public:
    using MonitorSource = std::function<Monitors()>;

    // The monitors are read when each capture arrives. pointerKnown: whether the position a
    // session starts at is where the pointer is (not so on Wayland, where a program learns the
    // pointer only over its own windows).
    FrozenLoupePicker(std::unique_ptr<DesktopCapture> capture, MonitorSource monitors,
                      bool pointerKnown, FrozenLoupe::InputGrab grab = FrozenLoupe::grabInput,
                      QObject* parent = nullptr);
    ~FrozenLoupePicker() override;

    const FrozenLoupe& loupe() const { return loupe_; }

protected:
    void begin(QPointF at) override;
    void end() override;

private:
    void captured(const DesktopImage& image);

    std::unique_ptr<DesktopCapture> capture_;
    MonitorSource monitors_;
    bool pointerKnown_;
    FrozenLoupe loupe_;
    QPointF at_;
    bool pressHeld_ = false;  // the session was started by a press still held
};

}  // namespace hueloupe
