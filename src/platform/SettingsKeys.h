// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The keys of the user's settings. Their names and stored forms are kept across versions.
namespace hueloupe::keys {

// The current colour, as "#rrggbb" (or the rgba() default).
inline const QString kLastColor = QStringLiteral("LastColor");
// The format string last copied through.
inline const QString kLastFormatter = QStringLiteral("LastFormatter");
// The copied colours, newest first, as colour strings.
inline const QString kColorHistory = QStringLiteral("ColorHistory");

}  // namespace hueloupe::keys
