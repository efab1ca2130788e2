// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace hueloupe {

// Shows a window, brings it to the front and gives it the keyboard focus.
void makeKeyAndOrderFront(QWidget& window);

}  // namespace hueloupe
