// SPDX-License-Identifier: MIT
#include "RequestedPicks.h"

#include <QPointer>
#include <utility>

#include "AppDelegate.h"
#include "OneShotPick.h"
#include "SingleInstance.h"

namespace hueloupe {

RequestedPicks::RequestedPicks(PickSessions& sessions, AppDelegate& controller,
                               const Preferences& preferences, QObject* parent)
    : QObject(parent), sessions_(sessions), controller_(controller), preferences_(preferences) {}

PickSessions::Id RequestedPicks::request(const QString& format, bool copy, Answer answer,
                                         QPointF at) {
    const std::optional<std::string> asked =
        format.isEmpty() ? std::nullopt : std::optional(format.toStdString());
    const QString chosen = formatForPick(preferences_, asked);
    QPointer<AppDelegate> controller(&controller_);
    return sessions_.start(at, [controller, chosen, copy,
                                answer = std::move(answer)](const PickOutcome& outcome) {
        switch (outcome.kind) {
        case PickOutcome::Kind::Picked:
            if (controller != nullptr) {
                answer(0, controller->applyPickedColor(outcome.color, chosen, copy));
                return;
            }
            answer(kNothingPicked, {});
            return;
        case PickOutcome::Kind::Unavailable:
            answer(kNothingPicked, kNoPicker);
            return;
        case PickOutcome::Kind::Failed:
            answer(kNothingPicked, {});
            return;
        }
    });
}

void RequestedPicks::cancel(PickSessions::Id request) {
    sessions_.cancel(request);
}

}  // namespace hueloupe
