// SPDX-License-Identifier: MIT
#pragma once

#include "ColorValue.h"

namespace hueloupe {

class Magnifier;

// Hears how a loupe session ended: exactly one of the outcomes, on the GUI thread. A report
// may come during the call that started the session.
class MagnifierDelegate {
public:
    virtual void magnifierDidSelectColor(Magnifier* magnifier, const ColorValue& color) = 0;
    virtual void magnifierDidFailToSelectColor(Magnifier* magnifier) = 0;
    // No picker could be started at all (the screen cannot be read and no desktop picker
    // exists). Delegates that do not tell the user apart from a failure need not override it.
    virtual void magnifierIsUnavailable(Magnifier* magnifier) {
        magnifierDidFailToSelectColor(magnifier);
    }

protected:
    ~MagnifierDelegate() = default;
};

// Picks a colour from anywhere on the screen: follows the pointer with a magnified view until
// the user picks or gives up, then tells the delegate.
class Magnifier {
public:
    virtual ~Magnifier() = default;

    // Starts a session at the pointer. A session already running ends as a failure first.
    virtual void trackMagnifierWithDelegate(MagnifierDelegate* delegate) = 0;
    // Ends the session of this delegate, if any, without telling it (it is going away).
    virtual void stopTracking(MagnifierDelegate* delegate) = 0;

    // The process-wide loupe: the screen loupe unless another one was put in its place.
    static Magnifier& shared();
    // Puts another magnifier in place of the screen loupe; nullptr brings the loupe back.
    // The caller keeps ownership and must keep it alive while it is in place.
    static void setShared(Magnifier* magnifier);
};

}  // namespace hueloupe
