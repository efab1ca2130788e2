// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;
class QPalette;

namespace hueloupe {

class ColorFormatter;

// The copy button's drawing: no bezel, the title of the selected format and a caret.

// The room the caret takes at the button's right end.
inline constexpr qreal kCopyCaretWidth = 20;

// The system font for a format whose preview is a label, otherwise a fixed-pitch face
// ("Menlo" where the system has it); 13 pixels either way.
QFont copyButtonTitleFont(const ColorFormatter* format);

// Draws the caret (the "Caret" image at 0.6 opacity) at the right end of bounds, then the
// title in titleFrame moved 12 to the left: in the palette's button text colour while the
// button is down, otherwise black at alpha 0.7. No bezel, border or background.
void paintCopyButton(QPainter& painter, const QRectF& bounds, const QRectF& titleFrame,
                     const QString& title, const ColorFormatter* format, bool down,
                     const QPalette& palette);

}  // namespace hueloupe
