// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace hueloupe {

// A fresh identifier in its 36-character upper-case text form. Only equality matters.
QString makeToken();

}  // namespace hueloupe
