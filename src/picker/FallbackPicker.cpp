// SPDX-License-Identifier: MIT
#include "FallbackPicker.h"

#include <utility>

namespace hueloupe {

FallbackPicker::FallbackPicker(std::unique_ptr<Picker> first, std::unique_ptr<Picker> second,
                               QObject* parent)
    : Picker(parent), first_(std::move(first)), second_(std::move(second)) {
    forward(*first_);
    forward(*second_);
    connect(first_.get(), &Picker::unavailable, this, [this] {
        if (isRunning()) {
            second_->start(at_);
        }
    });
    connect(second_.get(), &Picker::unavailable, this, &FallbackPicker::reportUnavailable);
}

FallbackPicker::~FallbackPicker() = default;

void FallbackPicker::forward(Picker& from) {
    connect(&from, &Picker::picked, this, &FallbackPicker::reportPicked);
    connect(&from, &Picker::failed, this, &FallbackPicker::reportFailed);
}

void FallbackPicker::begin(QPointF at) {
    at_ = at;
    first_->start(at);
}

void FallbackPicker::end() {
    first_->cancel();
    second_->cancel();
}

}  // namespace hueloupe
