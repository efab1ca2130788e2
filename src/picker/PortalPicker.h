// SPDX-License-Identifier: MIT
#pragma once

#include "Picker.h"
#include "PortalRequest.h"

namespace hueloupe {

// Picks through the desktop portal's colour picker (PickColor of org.freedesktop.portal.Screenshot,
// version 2 or later) on the session bus: the desktop's own picker, for where our loupe cannot
// be shown. Nothing touches the bus before the first session. A portal or an interface that is
// missing makes a session unavailable; a cancel, a malformed answer or a portal that leaves
// fails it. The portal's picker chooses its own place to start, so the position a session
// starts at is not used.
class PortalPicker final : public Picker {
    Q_OBJECT

public:
    explicit PortalPicker(QObject* parent = nullptr);
    ~PortalPicker() override;

    // The request object whose Response the running session waits for; empty when none.
    QString requestPath() const { return request_.requestPath(); }

protected:
    void begin(QPointF at) override;
    void end() override;

private:
    void responded(uint response, const QVariantMap& results);

    PortalRequest request_;
};

}  // namespace hueloupe
