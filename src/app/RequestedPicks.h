// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointF>
#include <QString>
#include <functional>
#include <optional>

#include "ColorValue.h"

namespace hueloupe {

class AppDelegate;
class Picker;
class Preferences;

// Picks that other launches (hueloupe --pick) ask of the running window. Each runs on the
// well's own picker at the pointer; the picked colour becomes current and is copied through the
// controller, as a pick then a copy in the window would, and the caller is answered with the
// text. A request while another is running ends the earlier one as nothing picked; a press in
// the well does the same to a running request. No picker at all answers status 1 with a reason.
class RequestedPicks final : public QObject {
    Q_OBJECT

public:
    // The picker, the controller and the settings store must outlive this object.
    RequestedPicks(Picker& picker, AppDelegate& controller, const Preferences& preferences,
                   QObject* parent = nullptr);
    ~RequestedPicks() override;

    // How a request is answered: the caller's exit status and the text it prints (for a
    // status other than 0, a reason or nothing).
    using Answer = std::function<void(int status, const QString& text)>;

    // Starts a pick at a global logical position for a format string (empty: the last one
    // copied) and answers it exactly once.
    void request(const QString& format, bool copy, Answer answer, QPointF at);

    static inline const QString kNoPicker = QStringLiteral("no colour picker is available");

private:
    struct Pending {
        QString format;
        bool copy = true;
        Answer answer;
    };

    void colorPicked(const ColorValue& color);
    void endPending(const QString& reason = {});

    Picker& picker_;
    AppDelegate& controller_;
    const Preferences& preferences_;
    std::optional<Pending> pending_;
    int failuresToIgnore_ = 0;  // the failure start() reports for a session it replaces
};

}  // namespace hueloupe
