// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include "Monitors.h"

namespace hueloupe {

class FrozenLoupe;

// One monitor's window of the frozen loupe: it covers the monitor, shows the captured desktop
// exactly where it was, and hands its pointer and key events to the loupe, which draws itself
// on the monitor the pointer is on.
class FrozenScreen final : public QWidget {
    Q_OBJECT

public:
    FrozenScreen(FrozenLoupe& loupe, const Monitor& monitor);

    const Monitor& monitor() const { return monitor_; }
    // The global logical rectangle the window covers: every device pixel of its monitor.
    const QRect& area() const { return area_; }
    // Covers the monitor: full screen on its screen, or placed on it where windows can be.
    void showOver(QScreen* screen);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    FrozenLoupe& loupe_;
    Monitor monitor_;
    QRect area_;
};

}  // namespace hueloupe
