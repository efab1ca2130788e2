// SPDX-License-Identifier: MIT
#include "WindowOrder.h"

#include <QWidget>

namespace hueloupe {

void makeKeyAndOrderFront(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace hueloupe
