// SPDX-License-Identifier: MIT
#pragma once

#include "Preferences.h"

namespace hueloupe {

// Preferences kept in memory only, for tests. Counts writes so that a test can tell whether
// anything was stored.
class InMemoryPreferences final : public Preferences {
public:
    void registerDefaults(const QVariantMap& defaults) override { defaults_.insert(defaults); }
    QVariant objectForKey(const QString& key) const override {
        return stored_.contains(key) ? stored_.value(key) : defaults_.value(key);
    }
    void setObject(const QVariant& value, const QString& key) override {
        ++writeCount_;
        value.isValid() ? void(stored_.insert(key, value)) : void(stored_.remove(key));
    }

    // The values stored by setObject (registered defaults excluded).
    const QVariantMap& stored() const { return stored_; }
    int writeCount() const { return writeCount_; }

private:
    QVariantMap defaults_;
    QVariantMap stored_;
    int writeCount_ = 0;
};

}  // namespace hueloupe
