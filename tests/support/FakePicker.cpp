// SPDX-License-Identifier: MIT
#include "FakePicker.h"

namespace hueloupe::testing {

void FakePicker::begin(QPointF at) {
    ++starts;
    lastStart = at;
    if (refusesAtStart) {
        reportUnavailable();
    }
}

}  // namespace hueloupe::testing
