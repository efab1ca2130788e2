// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>
#include <optional>

namespace hueloupe {

// User defaults: values the user's settings hold, over defaults registered in memory.
// A registered default is never written anywhere; a stored value hides it until removed.
class Preferences {
public:
    Preferences() = default;
    Preferences(const Preferences&) = delete;
    Preferences& operator=(const Preferences&) = delete;
    virtual ~Preferences();

    // Adds (or replaces) registered defaults. They live in memory only.
    virtual void registerDefaults(const QVariantMap& defaults) = 0;
    // The stored value, else the registered default, else an invalid QVariant.
    virtual QVariant objectForKey(const QString& key) const = 0;
    // Stores the value at once (an invalid QVariant removes the stored value).
    virtual void setObject(const QVariant& value, const QString& key) = 0;
    // Reads again what other processes have stored since the last read. A store that only
    // this process sees has nothing to do.
    virtual void synchronize() {}

    // The value's text: strings as they are, numbers and booleans as their text ("1"/"0" for
    // booleans). Nothing for a value with no text form: a list, a map, bytes, or no value.
    std::optional<QString> stringForKey(const QString& key) const;
    // The value if it is a list whose every element is a string, else nothing.
    std::optional<QStringList> stringListForKey(const QString& key) const;
};

// The text form of a single value, as stringForKey gives it.
std::optional<QString> textForm(const QVariant& value);

}  // namespace hueloupe
