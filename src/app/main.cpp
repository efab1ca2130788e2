// SPDX-License-Identifier: MIT
#include <QApplication>
#include <cstdio>
#include <memory>

#include "AppDelegate.h"
#include "ApplicationState.h"
#include "ColorPanel.h"
#include "CommandLine.h"
#include "InterfaceLoader.h"
#include "ModernColorWell.h"
#include "NoDisplay.h"
#include "PickerChoice.h"
#include "SettingsPreferences.h"
#include "TimerScheduler.h"

int main(int argc, char** argv) {
    const hueloupe::CommandLine commandLine = hueloupe::parseCommandLine(argc, argv);
    if (commandLine.exitStatus) {
        std::fputs(commandLine.output.c_str(), stdout);
        std::fputs(commandLine.error.c_str(), stderr);
        return *commandLine.exitStatus;
    }
    hueloupe::exitCleanlyWithoutDisplay(commandLine.options.platformGiven);

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("hueloupe"));
    QApplication::setApplicationName(QStringLiteral("hueloupe"));
    QApplication::setApplicationDisplayName(QStringLiteral("Hueloupe"));
    QApplication::setApplicationVersion(QStringLiteral(HUELOUPE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.hueloupe.Hueloupe"));

    // The colour well's picker, chosen once; nothing touches the screen or the bus until a press.
    const std::unique_ptr<hueloupe::Picker> picker =
        hueloupe::makeDesktopPicker(hueloupe::choosePickerForDesktop());

    // The services, made once here and handed to whatever uses them.
    hueloupe::SettingsPreferences settings(hueloupe::SettingsPreferences::standardFilePath());
    hueloupe::TimerScheduler scheduler;
    hueloupe::QtApplicationState applicationState;

    hueloupe::AppDelegate::initialize(settings);
    hueloupe::AppDelegate controller(settings, hueloupe::ColorPanel::shared());
    hueloupe::Interface loaded = hueloupe::loadInterface({settings, scheduler, applicationState});
    loaded.colorWell->setPicker(picker.get());
    controller.connectOutlets(loaded);
    controller.applicationWillFinishLaunching();
    const int status = QApplication::exec();
    controller.applicationWillTerminate();
    return status;
}
