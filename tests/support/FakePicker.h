// SPDX-License-Identifier: MIT
#pragma once

#include "Picker.h"

namespace hueloupe::testing {

// A picker whose sessions end when the test says so.
class FakePicker final : public Picker {
    Q_OBJECT

public:
    using Picker::Picker;

    void succeed(const ColorValue& color) { reportPicked(color); }
    void fail() { reportFailed(); }
    void refuse() { reportUnavailable(); }

    int starts = 0;
    int ends = 0;  // sessions taken down without a report (cancelled or replaced)
    QPointF lastStart;

protected:
    void begin(QPointF at) override {
        ++starts;
        lastStart = at;
    }
    void end() override { ++ends; }
};

}  // namespace hueloupe::testing
