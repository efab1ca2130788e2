#include "platform/WindowOrder.h"

#include <QWidget>

namespace hueloupe {

void makeKeyAndOrderFront(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace hueloupe
