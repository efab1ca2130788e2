// SPDX-License-Identifier: MIT
#pragma once

#include "Scheduler.h"

namespace hueloupe {

// Real time: each step is a QTimer::singleShot on the GUI thread. No timer runs when idle.
class TimerScheduler final : public Scheduler {
public:
    void after(Duration delay, Step step) override;
};

}  // namespace hueloupe
