// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QCursor>
#include <cstdio>
#include <memory>

#include "AppDelegate.h"
#include "ApplicationState.h"
#include "Clipboard.h"
#include "ColorPanel.h"
#include "CommandLine.h"
#include "InstanceClient.h"
#include "InterfaceLoader.h"
#include "LaunchFeedback.h"
#include "MainWindow.h"
#include "ModernColorWell.h"
#include "NoDisplay.h"
#include "OneShotPick.h"
#include "PickSessions.h"
#include "PickerChoice.h"
#include "RequestedPicks.h"
#include "SettingsPreferences.h"
#include "SingleInstance.h"
#include "TimerScheduler.h"
#include "Translations.h"
#include "WindowOrder.h"

namespace {

using namespace hueloupe;

// hueloupe --pick: the running window does the pick when there is one; otherwise this process
// picks once, without a window, and ends.
int pickOnce(const LaunchOptions& options) {
    if (const std::optional<InstanceAnswer> answer = tryHandOff(options)) {
        if (answer->status == 0) {
            return writePickedLine(stdout, stderr, answer->text) ? 0 : kOutputFailed;
        }
        if (!answer->text.isEmpty()) {
            std::fprintf(stderr, "hueloupe: %s\n", qUtf8Printable(answer->text.left(200)));
        }
        return answer->status;
    }
    SettingsPreferences settings(SettingsPreferences::standardFilePath());
    AppDelegate::initialize(settings);
    const std::unique_ptr<Picker> picker = makeDesktopPicker(choosePickerForDesktop());
    PickSessions sessions(*picker);
    LastingClipboard clipboard;
    OneShotPick pick(settings, sessions, formatForPick(settings, options.format),
                     options.copy ? &clipboard : nullptr);
    QGuiApplication::setQuitOnLastWindowClosed(false);  // the loupe's window is all there is
    // Queued: a picker may answer before start() returns, and exit() only ends a running loop.
    QObject::connect(&pick, &OneShotPick::finished, qApp, &QCoreApplication::exit,
                     Qt::QueuedConnection);
    pick.start(QCursor::pos());
    return QApplication::exec();
}

// The main window, as the one instance on the session bus when there is a bus.
int runWindow(const LaunchOptions& options) {
    SingleInstance instance;
    if (instance.claim() == SingleInstance::Claim::Taken && tryHandOff(options)) {
        return 0;  // the running window came to the front instead
    }

    // The colour well's picker, chosen once; nothing touches the screen or the bus until a press.
    // The well and the picks other launches ask for share its sessions.
    const std::unique_ptr<Picker> picker = makeDesktopPicker(choosePickerForDesktop());
    PickSessions sessions(*picker);

    // The services, made once here and handed to whatever uses them.
    SettingsPreferences settings(SettingsPreferences::standardFilePath());
    TimerScheduler scheduler;
    QtApplicationState applicationState;

    AppDelegate::initialize(settings);
    SystemClipboard clipboard;
    AppDelegate controller(settings, ColorPanel::shared(), clipboard, &QApplication::beep);
    Interface loaded = loadInterface({settings, scheduler, applicationState});
    loaded.colorWell->setPickSessions(&sessions);
    controller.connectOutlets(loaded);

    RequestedPicks requestedPicks(sessions, controller, settings);
    instance.setPickHandler([&requestedPicks](const PickRequest& request, const PickReply& reply) {
        const PickSessions::Id id = requestedPicks.request(
            request.format, request.copy,
            [reply](int status, const QString& text) { reply.answer(status, text); },
            QCursor::pos());
        // A caller that has gone (ended, or stopped waiting) takes its pick with it.
        reply.whenCallerLeaves([&requestedPicks, id] { requestedPicks.cancel(id); });
    });
    QObject::connect(&instance, &SingleInstance::activateRequested, loaded.window.get(),
                     [&loaded](const QString& token) { raiseForLaunch(*loaded.window, token); });
    QObject::connect(&instance, &SingleInstance::pickActionRequested, loaded.colorWell,
                     [&loaded](const QString& token) {
                         passTokenToNextWindow(token);  // the loupe's, to take the keyboard
                         loaded.colorWell->startPicking();
                     });

    controller.applicationWillFinishLaunching();
    const int status = QApplication::exec();
    instance.setPickHandler({});
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    Translations translations;
    const CommandLine commandLine = parseCommandLine(argc, argv, &translations.application);
    if (commandLine.exitStatus) {
        std::fputs(commandLine.output.c_str(), stdout);
        std::fputs(commandLine.error.c_str(), stderr);
        return *commandLine.exitStatus;
    }
    if (commandLine.options.display) {  // the display Qt opens, and the one our helpers reach
        qputenv("DISPLAY", QByteArray::fromStdString(*commandLine.options.display));
    }
    exitCleanlyWithoutDisplay(commandLine.options.platformGiven);

    QApplication app(argc, argv);
    translations.install();
    QApplication::setOrganizationName(QStringLiteral("hueloupe"));
    QApplication::setApplicationName(QStringLiteral("hueloupe"));
    QApplication::setApplicationDisplayName(QStringLiteral("Hueloupe"));
    QApplication::setApplicationVersion(QStringLiteral(HUELOUPE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.hueloupe.Hueloupe"));

    // Returning (never exit()) lets the application hand the clipboard to a manager as it ends.
    if (commandLine.options.mode == LaunchOptions::Mode::Pick) {
        return pickOnce(commandLine.options);
    }
    return runWindow(commandLine.options);
}
