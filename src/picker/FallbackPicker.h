// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include "Picker.h"

namespace hueloupe {

// Starts the first picker; when that one is unavailable for a start (the loupe cannot read the
// screen there), the same start goes to the second (the desktop portal's picker). Reports as
// itself, whichever picker did the work.
class FallbackPicker final : public Picker {
    Q_OBJECT

public:
    FallbackPicker(std::unique_ptr<Picker> first, std::unique_ptr<Picker> second,
                   QObject* parent = nullptr);
    ~FallbackPicker() override;

protected:
    void begin(QPointF at) override;
    void end() override;

private:
    void forward(Picker& from);

    std::unique_ptr<Picker> first_;
    std::unique_ptr<Picker> second_;
    QPointF at_;
};

}  // namespace hueloupe
