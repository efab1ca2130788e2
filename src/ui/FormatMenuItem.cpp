// SPDX-License-Identifier: MIT
#include "FormatMenuItem.h"

#include "ColorFormatter.h"

namespace hueloupe {

FormatMenuItem::FormatMenuItem(std::unique_ptr<ColorFormatter> formatter, const QString& title,
                               QObject* parent)
    : QAction(title, parent),
      formatter_(formatter ? std::move(formatter) : std::make_unique<ColorFormatter>()) {}

FormatMenuItem::~FormatMenuItem() = default;

}  // namespace hueloupe
