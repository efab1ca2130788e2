// SPDX-License-Identifier: MIT
#include "ActionlessLayerDelegate.h"

namespace hueloupe {

LayerAction ActionlessLayerDelegate::actionForKey(QStringView key) const {
    return key == u"contents" ? LayerAction::none : LayerAction::standard;
}

}  // namespace hueloupe
