// SPDX-License-Identifier: MIT
#include "Magnifier.h"

#include "ScreenMagnifier.h"

namespace hueloupe {

namespace {

Magnifier* replacement = nullptr;

}  // namespace

Magnifier& Magnifier::shared() {
    if (replacement != nullptr) {
        return *replacement;
    }
    // Made on first use and kept for the life of the process (never destroyed, so its window
    // never outlives the application object in a static destructor).
    static auto* const loupe = new ScreenMagnifier;
    return *loupe;
}

void Magnifier::setShared(Magnifier* magnifier) {
    replacement = magnifier;
}

}  // namespace hueloupe
