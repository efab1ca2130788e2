// SPDX-License-Identifier: MIT
#include "TimerScheduler.h"

#include <QCoreApplication>
#include <QTimer>

namespace hueloupe {

void TimerScheduler::after(Duration delay, Step step) {
    QTimer::singleShot(delay, Qt::PreciseTimer, QCoreApplication::instance(), std::move(step));
}

}  // namespace hueloupe
