// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "ColorHistory.h"
#include "ColorValue.h"

class QPainter;

namespace hueloupe {

class Preferences;

// The history as a row of five chips along the bottom edge. A press on a chip that holds a
// colour emits colorSelected with that colour; the view itself changes nothing on a click.
// From the keyboard, Left, Right, Home and End move a focused chip, ringed while the view has
// the focus, and Enter or Space selects it as a click does. Assistive tools see each chip as
// a button of its own (ColorHistoryViewAccessible).
// Built from a .ui file: the constructor only initialises; the loader hands in the settings
// store, then awakeFromNib makes the chips and loads the stored history.
class ColorHistoryView : public QWidget {
    Q_OBJECT

public:
    explicit ColorHistoryView(QWidget* parent = nullptr);
    ~ColorHistoryView() override;

    // Where the history is stored; given once, before awakeFromNib, and it must outlive the
    // view. Until then the view has no history: it shows grey chips and keeps nothing.
    void setPreferences(Preferences& preferences);
    void awakeFromNib();

    void pushColor(const ColorValue& color);
    std::optional<ColorValue> colorAtIndex(qsizetype index) const;
    // The colours of the history, newest first; none before setPreferences.
    const std::vector<ColorValue>& colors() const;

    // The chip under a press at x (logical pixels), whether or not it holds a colour.
    static std::optional<int> chipAtX(double x);
    // Where chip i is drawn, in the view's coordinates.
    QRectF chipRect(int index) const;

    // The chips drawn: none before awakeFromNib, then five.
    int chipCount() const { return static_cast<int>(chips_.size()); }
    // What chip i shows: its colour, or nothing for a grey chip or an index out of range.
    std::optional<ColorValue> chipColor(int index) const;
    // The chip the keyboard acts on, in 0 .. chipCount() - 1 (0 while there is none).
    int focusedChip() const { return focusedChip_; }
    // What a click on chip i does: emits colorSelected with its colour, if it holds one.
    void selectChip(int index);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void colorSelected(const hueloupe::ColorValue& color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void updateChips();
    void focusChip(int index);
    void paintFocusRing(QPainter& painter) const;

    // One entry per chip after set-up: its colour, or nothing while it shows grey.
    std::vector<std::optional<ColorValue>> chips_;
    std::unique_ptr<ColorHistory> history_;
    int focusedChip_ = 0;
};

}  // namespace hueloupe
