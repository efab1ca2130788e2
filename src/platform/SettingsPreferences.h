// SPDX-License-Identifier: MIT
#pragma once

#include <QSettings>
#include <memory>

#include "Preferences.h"

namespace hueloupe {

// Preferences in an INI file through QSettings. Every write is synced at once; QSettings
// takes a lock file and replaces the file through a temporary one, so concurrent writers
// never leave a torn file. A damaged or unreadable file reads as whatever QSettings could
// decode of it (often nothing) over the registered defaults, and it is rewritten only when a
// setting changes.
class SettingsPreferences final : public Preferences {
public:
    // Files larger than this are not read at all: nothing of ours comes near it.
    static constexpr qint64 kMaxFileBytes = 1024 * 1024;

    // Always the file given: only the application hands in the user's own (standardFilePath).
    explicit SettingsPreferences(const QString& filePath);
    ~SettingsPreferences() override;

    void registerDefaults(const QVariantMap& defaults) override;
    QVariant objectForKey(const QString& key) const override;
    void setObject(const QVariant& value, const QString& key) override;
    void synchronize() override;

    const QString& filePath() const { return filePath_; }
    // The user's file: $XDG_CONFIG_HOME/hueloupe/hueloupe.conf.
    static QString standardFilePath();

private:
    QSettings* settings() const;  // null while an oversized file is being ignored
    bool setAsideOversizedFile();

    QString filePath_;
    QVariantMap defaults_;
    mutable std::unique_ptr<QSettings> settings_;
    bool oversized_ = false;
};

}  // namespace hueloupe
