// SPDX-License-Identifier: MIT
#include "PickSessions.h"

#include <utility>

#include "Picker.h"

namespace hueloupe {

PickSessions::PickSessions(Picker& picker, QObject* parent) : QObject(parent), picker_(picker) {
    connect(&picker_, &Picker::picked, this, [this](const ColorValue& color) {
        finish({PickOutcome::Kind::Picked, color});
    });
    connect(&picker_, &Picker::failed, this, [this] { finish({PickOutcome::Kind::Failed, {}}); });
    connect(&picker_, &Picker::unavailable, this,
            [this] { finish({PickOutcome::Kind::Unavailable, {}}); });
}

PickSessions::~PickSessions() {
    if (current_) {
        picker_.cancel();
    }
}

PickSessions::Id PickSessions::start(QPointF at, Done done) {
    if (current_) {
        // The earlier session gives way: its owner hears it ended, the picker hears nothing.
        picker_.cancel();
        finish({PickOutcome::Kind::Failed, {}});
    }
    const Id id = ++lastId_;
    current_ = Session{id, std::move(done)};
    picker_.start(at);
    return id;
}

void PickSessions::cancel(Id id) {
    if (isRunning(id)) {
        current_.reset();
        picker_.cancel();
    }
}

void PickSessions::finish(const PickOutcome& outcome) {
    if (!current_) {
        return;  // a session cancelled here; the picker had nothing more to say for it
    }
    // Cleared before the call: the owner may start the next session from it.
    const Done done = std::move(current_->done);
    current_.reset();
    if (done) {
        done(outcome);
    }
}

}  // namespace hueloupe
