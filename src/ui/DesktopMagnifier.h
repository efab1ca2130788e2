// SPDX-License-Identifier: MIT
#pragma once

#include <QPointF>

#include "Magnifier.h"
#include "PickerChoice.h"

namespace hueloupe {

class ScreenMagnifier;

// The picker a press in the colour well starts, as the choice says: our loupe, or the desktop
// portal's picker (also for a press whose screen cannot be read, unless our loupe was forced).
// Reports to its delegate as itself, whichever picker did the work.
class DesktopMagnifier final : public Magnifier, private MagnifierDelegate {
public:
    // Both pickers must outlive this one. Makes no D-Bus call and shows nothing.
    DesktopMagnifier(PickerChoice choice, ScreenMagnifier& screen, Magnifier& portal);
    ~DesktopMagnifier() override;

    void trackMagnifierWithDelegate(MagnifierDelegate* delegate) override;
    void stopTracking(MagnifierDelegate* delegate) override;

    // Starts a session for the pointer at a global logical position.
    void trackAt(QPointF globalPosition, MagnifierDelegate* delegate);

private:
    void magnifierDidSelectColor(Magnifier* magnifier, const ColorValue& color) override;
    void magnifierDidFailToSelectColor(Magnifier* magnifier) override;
    void magnifierIsUnavailable(Magnifier* magnifier) override;
    // The delegate a report of this picker goes to, ending the session; none for a stale one.
    MagnifierDelegate* endSession(Magnifier* reporter);

    PickerChoice choice_;
    ScreenMagnifier& screen_;
    Magnifier& portal_;
    Magnifier* active_ = nullptr;  // the picker running the session
    MagnifierDelegate* delegate_ = nullptr;
};

}  // namespace hueloupe
