// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

class QIcon;
class QPainter;
class QPalette;

namespace hueloupe {

class ColorFormatter;

// The copy button's drawing: no bezel, the title of the selected format and a caret.
class CopyPopUpButtonCell {
public:
    static constexpr qreal kCaretWidth = 20;
    static constexpr qreal kCaretHeight = 12;
    static constexpr qreal kCaretOpacity = 0.6;
    static constexpr qreal kTitleShift = 12;
    static constexpr int kTitlePixelSize = 13;

    // Where the caret goes in a cell of the given size, measured from the control's origin.
    static QRectF caretRect(QSizeF cellSize);
    // Where the title is drawn for a title frame: the frame moved 12 to the left.
    static QRectF titleRect(const QRectF& titleFrame);
    // The system font for a format whose preview is a label, otherwise a fixed-pitch face
    // ("Menlo" where the system has it); 13 pixels either way.
    static QFont titleFont(const ColorFormatter* representedObject);
    // The palette's button text colour while pressed, otherwise black at alpha 0.7.
    static QColor titleColor(bool highlighted, const QPalette& palette);
    // The "Caret" image (1x and 2x), loaded on first use and kept for the process's life.
    static const QIcon& caretImage();

    // Draws only the caret: no bezel, border or background.
    void drawBorderAndBackground(QPainter& painter, const QRectF& cellFrame) const;
    // Draws the title and returns the rectangle it was drawn in.
    QRectF drawTitle(QPainter& painter, const QString& title, const QRectF& titleFrame,
                     const ColorFormatter* representedObject, bool highlighted,
                     const QPalette& palette) const;
};

}  // namespace hueloupe
