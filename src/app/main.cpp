// SPDX-License-Identifier: MIT
#include <QApplication>
#include <cstdio>

#include "AppDelegate.h"
#include "CommandLine.h"
#include "DesktopMagnifier.h"
#include "InterfaceLoader.h"
#include "NoDisplay.h"
#include "PortalMagnifier.h"
#include "Preferences.h"
#include "Renderer.h"
#include "ScreenMagnifier.h"

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
    hueloupe::setLogHandler([](std::string_view line) {
        qWarning("%.*s", static_cast<int>(line.size()), line.data());
    });

    // The colour well's picker, chosen once; nothing touches the screen or the bus until a press.
    hueloupe::ScreenMagnifier loupe;
    hueloupe::PortalMagnifier portal;
    hueloupe::DesktopMagnifier picker(hueloupe::choosePickerForDesktop(), loupe, portal);
    hueloupe::Magnifier::setShared(&picker);

    hueloupe::AppDelegate::initialize(hueloupe::Preferences::standard());
    hueloupe::AppDelegate controller;
    hueloupe::ApplicationDelegate::setCurrent(&controller);
    hueloupe::Interface loaded = hueloupe::loadInterface();
    controller.connectOutlets(loaded);
    controller.applicationWillFinishLaunching();
    const int status = QApplication::exec();
    controller.applicationWillTerminate();
    hueloupe::ApplicationDelegate::setCurrent(nullptr);
    hueloupe::Magnifier::setShared(nullptr);
    return status;
}
