// SPDX-License-Identifier: MIT
#include "Preferences.h"

#include <QLocale>

namespace hueloupe {

Preferences::~Preferences() = default;

std::optional<QString> textForm(const QVariant& value) {
    switch (value.typeId()) {
        case QMetaType::QString:
            return value.toString();
        case QMetaType::Bool:
            return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::ULong:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
            return value.toString();
        case QMetaType::Float:
        case QMetaType::Double:
            return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
        default:
            return std::nullopt;
    }
}

std::optional<QString> Preferences::stringForKey(const QString& key) const {
    return textForm(objectForKey(key));
}

std::optional<QStringList> Preferences::stringListForKey(const QString& key) const {
    const QVariant value = objectForKey(key);
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList();
    }
    if (value.typeId() != QMetaType::QVariantList) {
        return std::nullopt;
    }
    QStringList strings;
    for (const QVariant& element : value.toList()) {
        if (element.typeId() != QMetaType::QString) {
            return std::nullopt;
        }
        strings.append(element.toString());
    }
    return strings;
}

}  // namespace hueloupe
