// SPDX-License-Identifier: MIT
#include "TimerScheduler.h"

#include <QCoreApplication>
#include <QTimer>

namespace hueloupe {

void TimerScheduler::after(Duration delay, Step step) {
    QTimer::singleShot(delay, QCoreApplication::instance(), std::move(step));
}

Scheduler& Scheduler::standard() {
    static TimerScheduler scheduler;
    return scheduler;
}

}  // namespace hueloupe
