// SPDX-License-Identifier: MIT
#include "InMemoryPreferences.h"

namespace hueloupe {

void InMemoryPreferences::registerDefaults(const QVariantMap& defaults) {
    defaults_.insert(defaults);
}

QVariant InMemoryPreferences::objectForKey(const QString& key) const {
    const auto stored = stored_.constFind(key);
    return stored != stored_.constEnd() ? *stored : defaults_.value(key);
}

void InMemoryPreferences::setObject(const QVariant& value, const QString& key) {
    ++writeCount_;
    if (value.isValid()) {
        stored_.insert(key, value);
    } else {
        stored_.remove(key);
    }
}

}  // namespace hueloupe
