// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointF>
#include <QString>
#include <optional>

#include "ColorValue.h"
#include "SingleInstance.h"

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

    void request(const PickRequest& request, const PickReply& reply, QPointF at);

    static inline const QString kNoPicker = QStringLiteral("no colour picker is available");

private:
    struct Pending {
        QString format;
        bool copy = true;
        PickReply reply;
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
