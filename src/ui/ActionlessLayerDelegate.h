// SPDX-License-Identifier: MIT
#pragma once

#include <QStringView>

namespace hueloupe {

// What a drawn layer does when one of its properties changes.
enum class LayerAction {
    none,      // the new value shows at once
    standard,  // the usual implicit animation (a fade for opacity)
};

// Keeps text changes of the colour well's overlay free of animation: the key "contents"
// (the text) gets no action, every other key the standard one.
class ActionlessLayerDelegate {
public:
    LayerAction actionForKey(QStringView key) const;
};

}  // namespace hueloupe
