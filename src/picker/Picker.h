// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointF>

#include "ColorValue.h"

namespace hueloupe {

// Picks a colour from anywhere on the screen. A session starts at a global logical position
// and ends with exactly one of the signals, on the GUI thread, unless it is cancelled; the
// signal may come before start() returns. One session at a time: start() ends a running
// session as failed first, cancel() ends it without a signal, and nothing of an ended session
// is reported afterwards.
class Picker : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    void start(QPointF at);
    void cancel();
    bool isRunning() const { return running_; }

signals:
    void picked(const hueloupe::ColorValue& color);
    void failed();
    // No way to pick could be started here (the screen cannot be read, or no desktop picker).
    void unavailable();

protected:
    // Starts what a new session needs; it reports through the report functions below.
    virtual void begin(QPointF at) = 0;
    // Takes down what the running session shows or holds, without a report.
    virtual void end() = 0;

    // Each ends the running session with its signal; without a running session they do nothing.
    void reportPicked(const ColorValue& color);
    void reportFailed();
    void reportUnavailable();

private:
    bool finish();

    bool running_ = false;
};

}  // namespace hueloupe
