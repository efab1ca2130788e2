// SPDX-License-Identifier: MIT
#include "SettingsPreferences.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "SettingsValues.h"

namespace hueloupe {

SettingsPreferences::SettingsPreferences(const QString& filePath)
    : filePath_(filePath), oversized_(QFileInfo(filePath).size() > kMaxFileBytes) {
    if (oversized_) {
        qWarning("hueloupe: ignoring settings file %s: larger than %lld bytes",
                 qUtf8Printable(filePath_), static_cast<long long>(kMaxFileBytes));
    }
}

SettingsPreferences::~SettingsPreferences() = default;

QString SettingsPreferences::standardFilePath() {
    // IniFormat with UserScope would name the file hueloupe.ini; the .conf name is ours.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/hueloupe/hueloupe.conf");
}

QSettings* SettingsPreferences::settings() const {
    if (oversized_) {
        return nullptr;
    }
    if (!settings_) {
        settings_ = std::make_unique<QSettings>(filePath_, QSettings::IniFormat);
    }
    return settings_.get();
}

void SettingsPreferences::registerDefaults(const QVariantMap& defaults) {
    defaults_.insert(defaults);
}

QVariant SettingsPreferences::objectForKey(const QString& key) const {
    if (QSettings* store = settings()) {
        if (std::optional<QVariant> stored = readSettingsValue(*store, key)) {
            return *stored;
        }
    }
    return defaults_.value(key);
}

// Moves an oversized file out of the way (keeping it for the user) so that the next write
// starts a fresh file instead of reading the large one.
bool SettingsPreferences::setAsideOversizedFile() {
    const QString aside = filePath_ + QStringLiteral(".oversized");
    QFile::remove(aside);
    if (!QFile::rename(filePath_, aside)) {
        qWarning("hueloupe: cannot move oversized settings file %s aside; setting not saved",
                 qUtf8Printable(filePath_));
        return false;
    }
    oversized_ = false;
    return true;
}

void SettingsPreferences::setObject(const QVariant& value, const QString& key) {
    if (oversized_ && !setAsideOversizedFile()) {
        return;
    }
    QSettings& store = *settings();
    writeSettingsValue(store, key, value);
    store.sync();
    if (store.status() == QSettings::AccessError) {
        qWarning("hueloupe: cannot write settings file %s", qUtf8Printable(filePath_));
    }
}

void SettingsPreferences::synchronize() {
    // Another process may have grown the file past the limit since it was first read.
    if (!oversized_ && QFileInfo(filePath_).size() > kMaxFileBytes) {
        qWarning("hueloupe: ignoring settings file %s: larger than %lld bytes",
                 qUtf8Printable(filePath_), static_cast<long long>(kMaxFileBytes));
        oversized_ = true;
        settings_.reset();
    }
    if (QSettings* store = settings()) {
        store->sync();
    }
}

}  // namespace hueloupe
