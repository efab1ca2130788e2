// SPDX-License-Identifier: MIT
#pragma once

#include "Scheduler.h"

namespace hueloupe {

// Real time: each step is a precise single-shot QTimer on the GUI thread (a coarse one, which
// Qt picks by default from 2 s up, may fire 5 % off). No timer runs when idle.
class TimerScheduler final : public Scheduler {
public:
    void after(Duration delay, Step step) override;
};

}  // namespace hueloupe
