// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointF>
#include <functional>
#include <optional>

#include "ColorValue.h"

namespace hueloupe {

class Picker;

// How one pick session ended.
struct PickOutcome {
    enum class Kind {
        Picked,
        Failed,       // cancelled by the user, failed, or replaced by a newer session
        Unavailable,  // no way to pick could be started here
    };
    Kind kind = Kind::Failed;
    ColorValue color;  // for Picked
};

// The one owner of a picker's sessions. Whoever wants a pick (the colour well, a pick another
// launch asked for, a one-shot pick) starts a session here and gets its outcome, and only its
// own, exactly once, unless it cancels the session first. A new session ends a running one as
// failed before it starts.
class PickSessions final : public QObject {
    Q_OBJECT

public:
    using Id = quint64;
    using Done = std::function<void(const PickOutcome&)>;

    // The picker must outlive this object.
    explicit PickSessions(Picker& picker, QObject* parent = nullptr);
    ~PickSessions() override;

    // Starts a session at a global logical position. done may run before this returns (a picker
    // that cannot start answers at once).
    Id start(QPointF at, Done done);
    // Ends a session without an outcome; a session that has already ended is left alone.
    void cancel(Id id);
    bool isRunning(Id id) const { return current_ && current_->id == id; }

private:
    struct Session {
        Id id = 0;
        Done done;
    };

    void finish(const PickOutcome& outcome);

    Picker& picker_;
    std::optional<Session> current_;
    Id lastId_ = 0;
};

}  // namespace hueloupe
