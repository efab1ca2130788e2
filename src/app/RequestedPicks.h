// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointF>
#include <QString>
#include <functional>

#include "PickSessions.h"

namespace hueloupe {

class AppDelegate;
class Preferences;

// Picks that other launches (hueloupe --pick) ask of the running window. Each is a session of
// the window's own picker at the pointer; the picked colour becomes current and is copied
// through the controller, as a pick then a copy in the window would, and the caller is answered
// with the text. Whatever ends a session otherwise (a cancel, a failure, a newer request or a
// press in the well) answers status 1; no picker at all answers status 1 with a reason.
class RequestedPicks final : public QObject {
    Q_OBJECT

public:
    // The sessions, the controller and the settings store must outlive this object.
    RequestedPicks(PickSessions& sessions, AppDelegate& controller, const Preferences& preferences,
                   QObject* parent = nullptr);

    // How a request is answered: the caller's exit status and the text it prints (for a
    // status other than 0, a reason or nothing).
    using Answer = std::function<void(int status, const QString& text)>;

    // Starts a pick at a global logical position for a format string (empty: the last one
    // copied); it is answered exactly once unless cancelled first.
    PickSessions::Id request(const QString& format, bool copy, Answer answer, QPointF at);
    // Ends a request whose caller has gone, unanswered and leaving everything as it was.
    void cancel(PickSessions::Id request);

    static inline const QString kNoPicker = QStringLiteral("no colour picker is available");

private:
    PickSessions& sessions_;
    AppDelegate& controller_;
    const Preferences& preferences_;
};

}  // namespace hueloupe
