// SPDX-License-Identifier: MIT
#include "RequestedPicks.h"

#include <utility>

#include "AppDelegate.h"
#include "OneShotPick.h"
#include "Picker.h"
#include "SingleInstance.h"

namespace hueloupe {

RequestedPicks::RequestedPicks(Picker& picker, AppDelegate& controller,
                               const Preferences& preferences, QObject* parent)
    : QObject(parent), picker_(picker), controller_(controller), preferences_(preferences) {
    connect(&picker_, &Picker::picked, this, &RequestedPicks::colorPicked);
    connect(&picker_, &Picker::failed, this, [this] {
        if (failuresToIgnore_ > 0) {
            --failuresToIgnore_;
        } else {
            endPending();
        }
    });
    connect(&picker_, &Picker::unavailable, this, [this] { endPending(kNoPicker); });
}

RequestedPicks::~RequestedPicks() {
    if (pending_) {
        picker_.cancel();
        endPending();
    }
}

void RequestedPicks::request(const QString& format, bool copy, Answer answer, QPointF at) {
    endPending();  // an earlier request gives way
    const std::optional<std::string> asked =
        format.isEmpty() ? std::nullopt : std::optional(format.toStdString());
    pending_ = Pending{formatForPick(preferences_, asked), copy, std::move(answer)};
    // start() first ends a running session (a press in the well, or the earlier request) as
    // failed; that failure is not this request's.
    failuresToIgnore_ = picker_.isRunning() ? 1 : 0;
    picker_.start(at);
    failuresToIgnore_ = 0;
}

void RequestedPicks::colorPicked(const ColorValue& color) {
    if (!pending_) {
        return;  // a press in the well picked it
    }
    const Pending pick = std::move(*pending_);
    pending_.reset();
    const QString text = controller_.applyPickedColor(color, pick.format, pick.copy);
    pick.answer(0, text);
}

void RequestedPicks::endPending(const QString& reason) {
    if (pending_) {
        const Answer answer = std::move(pending_->answer);
        pending_.reset();
        answer(kNothingPicked, reason);
    }
}

}  // namespace hueloupe
