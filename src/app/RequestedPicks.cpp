// SPDX-License-Identifier: MIT
#include "RequestedPicks.h"

#include <utility>

#include "AppDelegate.h"
#include "OneShotPick.h"
#include "Picker.h"

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

void RequestedPicks::request(const PickRequest& request, const PickReply& reply, QPointF at) {
    endPending();  // an earlier request gives way
    const std::optional<std::string> asked =
        request.format.isEmpty() ? std::nullopt : std::optional(request.format.toStdString());
    pending_ = Pending{formatForPick(preferences_, asked), request.copy, reply};
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
    pick.reply.answer(0, text);
}

void RequestedPicks::endPending(const QString& reason) {
    if (pending_) {
        const PickReply reply = pending_->reply;
        pending_.reset();
        reply.answer(kNothingPicked, reason);
    }
}

}  // namespace hueloupe
