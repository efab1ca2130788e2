// SPDX-License-Identifier: MIT
#include "PickerChoice.h"

#include <QGuiApplication>
#include <QtGlobal>

namespace hueloupe {

namespace {

// Enough of a misspelt value to recognise it in the warning; the rest is cut.
constexpr qsizetype kShownValueLength = 40;

}  // namespace

PickerChoice choosePicker(QStringView platformName, const std::optional<QString>& forced) {
    const QString value = forced.value_or(QString()).trimmed();
    if (value.compare(QLatin1String("screen"), Qt::CaseInsensitive) == 0) {
        return {Picker::Screen, false, {}};
    }
    if (value.compare(QLatin1String("portal"), Qt::CaseInsensitive) == 0) {
        return {Picker::Portal, false, {}};
    }
    PickerChoice automatic;
    if (platformName.startsWith(QLatin1String("wayland"))) {
        automatic.picker = Picker::Portal;
    }
    if (!value.isEmpty()) {
        QString shown = value.left(kShownValueLength);
        if (shown.size() < value.size()) {
            shown += QStringLiteral("...");
        }
        automatic.warning = QStringLiteral(
                                "%1=\"%2\" is neither \"screen\" nor \"portal\"; "
                                "choosing the picker automatically")
                                .arg(QLatin1String(kPickerVariable), shown);
    }
    return automatic;
}

PickerChoice choosePickerForDesktop() {
    std::optional<QString> forced;
    if (qEnvironmentVariableIsSet(kPickerVariable)) {
        forced = qEnvironmentVariable(kPickerVariable);
    }
    PickerChoice choice = choosePicker(QGuiApplication::platformName(), forced);
    if (!choice.warning.isEmpty()) {
        qWarning("%s", qUtf8Printable(choice.warning));
    }
    return choice;
}

}  // namespace hueloupe
