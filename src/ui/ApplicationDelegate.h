// SPDX-License-Identifier: MIT
#pragma once

namespace hueloupe {

// The commands the main window forwards, wherever the keyboard focus is. The window asks for
// the current delegate each time and never stores it.
class ApplicationDelegate {
public:
    virtual ~ApplicationDelegate() = default;
    virtual void copySelectedColor() = 0;
    virtual void readColorFromPasteboard() = 0;

    // The application's delegate, or null when none is set.
    static ApplicationDelegate* current();
    static void setCurrent(ApplicationDelegate* delegate);
};

}  // namespace hueloupe
