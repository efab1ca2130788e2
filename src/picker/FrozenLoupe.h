// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>
#include <QPointF>
#include <functional>
#include <QRect>
#include <memory>
#include <optional>
#include <vector>

#include "ColorValue.h"
#include "DesktopImage.h"
#include "Monitors.h"

class QKeyEvent;
class QPainter;
class QWidget;

namespace hueloupe {

class FrozenScreen;

// The loupe over a still image of the desktop. One window per monitor shows the image where the
// desktop was, so nothing seems to move; the loupe is drawn in them beside the pointer, and it
// reads the image, never the live screen, so it cannot sample itself or a hover effect.
//
// A click picks the device pixel under the hot spot; so does the release of the press that
// opened the loupe once the pointer has been dragged away, but never that press's release on
// its own. Enter picks too, Esc gives up, and the arrow keys move the hot spot one device pixel
// (ten with Shift), with the pointer where the window system lets it be moved.
class FrozenLoupe final : public QObject {
    Q_OBJECT

public:
    // Takes the pointer and the keyboard for a window; false when another program holds them.
    using InputGrab = std::function<bool(QWidget& window)>;
    // Routes all of the application's input to the window and, on X11, grabs both from the
    // server; elsewhere windows cannot grab, and the desktop gives the loupe's full-screen
    // windows the input.
    static bool grabInput(QWidget& window);

    explicit FrozenLoupe(InputGrab grab = grabInput, QObject* parent = nullptr);
    ~FrozenLoupe() override;

    // Shows the image over the monitors and takes the input. pointer: where the pointer is
    // (global, logical), when known; pressHeld: the press that opened the loupe is still down.
    // False, with nothing left shown, when the input cannot be had (another program holds the
    // pointer or the keyboard).
    bool start(DesktopImage image, Monitors monitors, std::optional<QPointF> pointer,
               bool pressHeld = false);
    // Takes the windows down and lets the image go, without a report.
    void stop();
    bool isRunning() const { return !screens_.empty(); }

    // The hot spot (device pixels of the virtual desktop) and the pixels around it, once the
    // pointer has been seen.
    std::optional<QPoint> hotSpot() const { return hotSpot_; }
    const QImage& sample() const { return sample_; }
    // Where the loupe's face is drawn, global and logical; empty while it is not shown.
    QRect faceRect() const;
    // The window over the monitor at a logical position; null when none.
    QWidget* screenAt(QPoint global) const;

    // What the windows hand in.
    void pointerMoved(QPointF global, bool buttonDown);
    void pressed(QPointF global);
    void released(QPointF global);
    void keyPressed(QKeyEvent& event);
    void paint(const FrozenScreen& screen, QPainter& painter, const QRect& dirty) const;
    void closed();

signals:
    void colorPicked(const hueloupe::ColorValue& color);
    void pickFailed();

private:
    void moveHotSpot(const Monitor& monitor, QPoint hotSpot, QPoint pointer);
    void moveByKeys(int dx, int dy);
    void catchUpOnRelease();
    void repaint(const QRect& globalRect);
    void pick();
    void fail();

    InputGrab grab_;
    DesktopImage image_;
    Monitors monitors_;
    std::vector<std::unique_ptr<FrozenScreen>> screens_;
    QPointer<QWidget> activeBefore_;  // the application's active window when the loupe opened
    Monitor monitor_;  // the one the hot spot is on
    std::optional<QPoint> hotSpot_;
    QPoint pointer_;  // logical, global: where the face is placed beside
    QImage sample_;
    std::optional<QPointF> openedAt_;  // the pointer when the loupe opened
    bool dragged_ = false;             // the opening press moved away before its release
    bool pressedHere_ = false;         // a press of the loupe's own, not yet released
    // Where the pointer is after the arrow keys (moved there, or left where it was): a move or
    // click there keeps their device pixel, not rounded back to whole logical pixels.
    std::optional<QPoint> keyedPointer_;
};

}  // namespace hueloupe
