// SPDX-License-Identifier: MIT
#include "PickerChoice.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtGlobal>

#include "DesktopMonitors.h"
#include "FallbackPicker.h"
#include "FrozenLoupePicker.h"
#include "PortalPicker.h"
#include "PortalScreenshot.h"
#include "RootWindowCapture.h"

namespace hueloupe {

namespace {

// Enough of a misspelt value to recognise it in the warning; the rest is cut.
constexpr qsizetype kShownValueLength = 40;

}  // namespace

PickerChoice choosePicker(const std::optional<QString>& forced) {
    const QString value = forced.value_or(QString()).trimmed();
    if (value.compare(QLatin1String("screen"), Qt::CaseInsensitive) == 0) {
        return {PickerKind::Screen, false, {}};
    }
    if (value.compare(QLatin1String("portal"), Qt::CaseInsensitive) == 0) {
        return {PickerKind::Portal, false, {}};
    }
    PickerChoice automatic;
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
    PickerChoice choice = choosePicker(forced);
    if (!choice.warning.isEmpty()) {
        qWarning("%s", qUtf8Printable(choice.warning));
    }
    return choice;
}

std::unique_ptr<Picker> makeDesktopPicker(const PickerChoice& choice) {
    if (choice.picker == PickerKind::Portal) {
        return std::make_unique<PortalPicker>();
    }
    // On Wayland no program may read the screen, and one learns where the pointer is only over its
    // own windows: the portal takes the picture, and the loupe waits for the pointer.
    const bool wayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    std::unique_ptr<DesktopCapture> capture;
    if (wayland) {
        capture = std::make_unique<PortalScreenshot>([] {
            const QScreen* primary = QGuiApplication::primaryScreen();
            return primary != nullptr ? primary->virtualGeometry() : QRect();
        });
    } else {
        capture = std::make_unique<RootWindowCapture>();
    }
    auto loupe =
        std::make_unique<FrozenLoupePicker>(std::move(capture), desktopMonitors, !wayland);
    if (!choice.portalWhenUnreadable) {
        return loupe;
    }
    return std::make_unique<FallbackPicker>(std::move(loupe), std::make_unique<PortalPicker>());
}

}  // namespace hueloupe
