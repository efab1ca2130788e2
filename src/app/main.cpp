// SPDX-License-Identifier: MIT
#include <QApplication>
#include <cstdio>
#include <memory>
#include <string>

#include "AppDelegate.h"
#include "CommandLine.h"
#include "InterfaceLoader.h"
#include "ModernColorWell.h"
#include "PickerChoice.h"
#include "Preferences.h"
#include "Renderer.h"

int main(int argc, char** argv) {
    std::string answer;
    if (const auto status = hueloupe::answerCommandLine(argc, argv, answer)) {
        std::fputs(answer.c_str(), stdout);
        return *status;
    }

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
    const std::unique_ptr<hueloupe::Picker> picker =
        hueloupe::makeDesktopPicker(hueloupe::choosePickerForDesktop());

    hueloupe::AppDelegate::initialize(hueloupe::Preferences::standard());
    hueloupe::AppDelegate controller;
    hueloupe::ApplicationDelegate::setCurrent(&controller);
    hueloupe::Interface loaded = hueloupe::loadInterface();
    loaded.colorWell->setPicker(picker.get());
    controller.connectOutlets(loaded);
    controller.applicationWillFinishLaunching();
    const int status = QApplication::exec();
    controller.applicationWillTerminate();
    hueloupe::ApplicationDelegate::setCurrent(nullptr);
    return status;
}
