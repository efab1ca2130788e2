// SPDX-License-Identifier: MIT
#include "ApplicationDelegate.h"

namespace hueloupe {
namespace {
ApplicationDelegate* currentDelegate = nullptr;
}

ApplicationDelegate* ApplicationDelegate::current() {
    return currentDelegate;
}

void ApplicationDelegate::setCurrent(ApplicationDelegate* delegate) {
    currentDelegate = delegate;
}

}  // namespace hueloupe
