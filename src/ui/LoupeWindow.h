// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include <QImage>
#include <QPointer>
#include <QScreen>
#include <QWidget>

#include "ColorValue.h"

namespace hueloupe {

class ScreenSampler;

// The loupe's frameless, always-on-top window. While it runs it holds the mouse and the
// keyboard, follows the pointer (mouse move events only: no timer), and shows the device
// pixels around the pointer's hot spot enlarged. Release or Enter picks the centre pixel,
// Esc gives up, the arrow keys move the pointer one device pixel (ten with Shift).
class LoupeWindow final : public QWidget {
    Q_OBJECT

public:
    explicit LoupeWindow(ScreenSampler& sampler);
    ~LoupeWindow() override;

    // Shows the loupe for the pointer at a global logical position and takes the input.
    // False (and nothing shown) when the screen cannot be read there.
    bool start(QPointF globalPosition);
    // Hides the loupe and lets the input go, without a report.
    void stop();
    bool isRunning() const { return running_; }

    // Samples and shows the pixels around a global logical position; false when the screen
    // cannot be read. One loupe update: what follows each pointer move.
    bool updateAt(QPointF globalPosition);

    QScreen* trackedScreen() const { return screen_; }
    QPoint hotSpot() const { return hotSpot_; }  // device pixels, relative to the screen
    const QImage& sample() const { return sample_; }
    std::optional<ColorValue> centreColor() const;

signals:
    void colorPicked(const hueloupe::ColorValue& color);
    void pickFailed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool showHotSpot(QScreen& screen, QPoint hotSpot);
    void moveByKeys(int dx, int dy);
    void pick();
    void fail();

    ScreenSampler& sampler_;
    QPointer<QScreen> screen_;
    QPoint hotSpot_;
    QImage sample_;
    // Where the arrow keys last put the pointer (logical, global): the move event that follows
    // must not round the hot spot back to whole logical pixels.
    std::optional<QPoint> keyedPointer_;
    bool running_ = false;
};

}  // namespace hueloupe
