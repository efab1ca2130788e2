// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <optional>

#include <QImage>
#include <QWidget>

#include "ColorValue.h"
#include "Monitors.h"

namespace hueloupe {

class ScreenSampler;

// The loupe's frameless, always-on-top window. While it runs it holds the mouse and the
// keyboard, follows the pointer (mouse move events only: no timer), and shows the device
// pixels around the pointer's hot spot enlarged, beside the pointer on the monitor it is on.
// Release or Enter picks the centre pixel, Esc gives up, the arrow keys move the pointer one
// device pixel (ten with Shift). A session that cannot hold the input (another program holds
// the pointer or the keyboard) fails as soon as the window is on the screen: it could never end.
class LoupeWindow final : public QWidget {
    Q_OBJECT

public:
    using MonitorSource = std::function<Monitors()>;
    // Takes the pointer and the keyboard for a shown window, both or neither; false when it
    // could not (the window is not on the screen yet, or another program holds either).
    using InputGrab = std::function<bool(QWindow& window)>;
    static bool grabInput(QWindow& window);

    // The sampler must outlive the window; the monitors are read at each start.
    LoupeWindow(ScreenSampler& sampler, MonitorSource monitors, InputGrab grab = grabInput);
    ~LoupeWindow() override;

    // Shows the loupe for the pointer at a global logical position and takes the input.
    // False (and nothing shown) when the screen cannot be read there.
    bool start(QPointF globalPosition);
    // Hides the loupe and lets the input go, without a report.
    void stop();

    // Samples and shows the pixels around a global logical position; false when the screen
    // cannot be read. One loupe update: what follows each pointer move.
    bool updateAt(QPointF globalPosition);

signals:
    void colorPicked(const hueloupe::ColorValue& color);
    void pickFailed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void takeInput();
    bool showHotSpot(const Monitor& monitor, QPoint hotSpot);
    std::optional<ColorValue> centreColor() const;
    void moveByKeys(int dx, int dy);
    void pick();
    void fail();

    ScreenSampler& sampler_;
    MonitorSource monitorSource_;
    InputGrab grab_;
    Monitors monitors_;
    Monitor monitor_;  // the one the hot spot is on, or nearest to
    QPoint hotSpot_;   // device pixels of the virtual desktop
    QImage sample_;
    // Where the arrow keys last put the pointer (logical, global): the move event that follows
    // must not round the hot spot back to whole logical pixels.
    std::optional<QPoint> keyedPointer_;
    bool running_ = false;
    bool awaitingExposure_ = false;  // to take the input once a window manager has mapped it
};

}  // namespace hueloupe
