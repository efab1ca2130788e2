// SPDX-License-Identifier: MIT
#pragma once

#include <QVariantMap>

#include "AppDelegate.h"
#include "Clipboard.h"
#include "ColorPanel.h"
#include "FakeApplicationState.h"
#include "FakePicker.h"
#include "InMemoryPreferences.h"
#include "InterfaceLoader.h"
#include "ManualScheduler.h"
#include "ModernColorWell.h"
#include "PickSessions.h"

namespace hueloupe::testing {

// The main window and its controller launched as main() builds them, among doubles: settings in
// memory (seeded first), virtual time, a fake application and picker, a private colour panel,
// a counted beep.
struct LaunchedWindow {
    explicit LaunchedWindow(const QVariantMap& seeded = {}) {
        AppDelegate::initialize(settings);
        for (const auto& [key, value] : seeded.asKeyValueRange()) settings.setObject(value, key);
        seedWrites = settings.writeCount();
        ui = loadInterface({settings, scheduler, application});
        ui.colorWell->setPickSessions(&sessions);
        controller.connectOutlets(ui);
        controller.applicationWillFinishLaunching();
    }

    InMemoryPreferences settings;
    ManualScheduler scheduler;
    FakeApplicationState application;
    FakePicker picker;
    PickSessions sessions{picker};
    ColorPanel panel;
    SystemClipboard clipboard;
    int beeps = 0;
    Interface ui;
    AppDelegate controller{settings, panel, clipboard, [this] { ++beeps; }};
    int seedWrites = 0;  // the writes seeding took
};

}  // namespace hueloupe::testing
