// SPDX-License-Identifier: MIT
// What the loupe benchmarks share: the application on the X display, a round trip to the X
// server, and a watch on the loupe windows' paints.
#pragma once

#include <QObject>
#include <set>

namespace hueloupe::bench {

// The application, made on first use and kept for the whole run; QT_QPA_PLATFORM=xcb is set
// unless chosen otherwise. False when it is not on X11.
bool startApplication(const char* name);

// Waits until the X server has handled every request sent so far.
void x11RoundTrip();

// Counts the paint events of the loupe's windows, from an event filter on the application.
class PaintWatch final : public QObject {
public:
    PaintWatch();
    ~PaintWatch() override;

    // The loupe windows painted since the last reset, and how many paints they had.
    std::size_t windowsPainted() const { return painted_.size(); }
    long paints() const { return paints_; }
    void reset();
    // Handles events until n loupe windows have been painted, then makes a round trip so that
    // the server has their pixels; false after timeoutMs.
    bool waitForWindows(std::size_t n, int timeoutMs);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::set<QObject*> painted_;
    long paints_ = 0;
};

}  // namespace hueloupe::bench
