// SPDX-License-Identifier: MIT
#include "SettingsValues.h"

#include <QStringList>
#include <QVariantList>

namespace hueloupe {

namespace {

const QString kSizeKey = QStringLiteral("size");

bool isList(const QVariant& value) {
    return value.typeId() == QMetaType::QStringList || value.typeId() == QMetaType::QVariantList;
}

// Reads the list group under key: "size" must be a count no larger than the keys present,
// and every element from 1 to size must exist. The cost is bounded by the file's own size.
std::optional<QVariant> readList(QSettings& settings, const QString& key) {
    settings.beginGroup(key);
    bool ok = false;
    const qlonglong size = settings.value(kSizeKey).toLongLong(&ok);
    const qsizetype present = settings.childKeys().size() - 1;  // without "size"
    if (!ok || size < 0 || size > present) {
        settings.endGroup();
        return std::nullopt;
    }
    QVariantList elements;
    bool allStrings = true;
    for (qlonglong i = 1; i <= size; ++i) {
        const QString elementKey = QString::number(i);
        if (!settings.contains(elementKey)) {
            settings.endGroup();
            return std::nullopt;
        }
        elements.append(settings.value(elementKey));
        allStrings = allStrings && elements.back().typeId() == QMetaType::QString;
    }
    settings.endGroup();
    if (!allStrings) {
        return QVariant(elements);
    }
    QStringList strings;
    strings.reserve(elements.size());
    for (const QVariant& element : elements) {
        strings.append(element.toString());
    }
    return QVariant(strings);
}

}  // namespace

std::optional<QVariant> readSettingsValue(QSettings& settings, const QString& key) {
    if (settings.contains(key + QLatin1Char('/') + kSizeKey)) {
        return readList(settings, key);
    }
    if (!settings.contains(key)) {
        return std::nullopt;
    }
    QVariant value = settings.value(key);
    if (!value.isValid()) {
        return std::nullopt;
    }
    return value;
}

void writeSettingsValue(QSettings& settings, const QString& key, const QVariant& value) {
    settings.remove(key);  // the key and any list group of the same name
    if (!value.isValid()) {
        return;
    }
    if (!isList(value)) {
        settings.setValue(key, value);
        return;
    }
    const QVariantList elements = value.toList();
    settings.beginGroup(key);
    for (qsizetype i = 0; i < elements.size(); ++i) {
        settings.setValue(QString::number(i + 1), elements.at(i));
    }
    settings.setValue(kSizeKey, elements.size());
    settings.endGroup();
}

}  // namespace hueloupe
