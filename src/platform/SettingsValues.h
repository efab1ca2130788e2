// SPDX-License-Identifier: MIT
#pragma once

#include <QSettings>
#include <QString>
#include <QVariant>
#include <optional>

namespace hueloupe {

// How values sit in an INI settings file. Scalars use QSettings' own text form. A list (a
// QStringList or a QVariantList) is a group holding "size" and the elements under "1".."size",
// because a plain INI value reads a one-element list back as a string and an empty list as
// nothing. Lists of strings come back as QStringList whatever their length.

// The value stored under key; nothing when there is none or it is damaged (a list whose size
// is not a count of the elements present, or a value QSettings cannot decode).
std::optional<QVariant> readSettingsValue(QSettings& settings, const QString& key);

// Replaces whatever is stored under key (in either form) by value; an invalid value removes it.
void writeSettingsValue(QSettings& settings, const QString& key, const QVariant& value);

}  // namespace hueloupe
