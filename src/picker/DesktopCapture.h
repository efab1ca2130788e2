// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include "DesktopImage.h"

namespace hueloupe {

// Takes one still image of the whole desktop. A capture ends with exactly one signal, on the GUI
// thread, possibly before capture() returns, unless it is cancelled first; one at a time.
class DesktopCapture : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    virtual void capture() = 0;
    // Drops a running capture without a signal; what arrives for it later is ignored.
    virtual void cancel() = 0;

signals:
    void captured(const hueloupe::DesktopImage& image);
    // The desktop cannot be captured here, or the user or the desktop refused it.
    void unavailable();
};

}  // namespace hueloupe
