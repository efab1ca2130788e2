// SPDX-License-Identifier: MIT
#include "InterfaceLoader.h"

#include <QLayout>

#include "ColorHistoryView.h"
#include "CopyPopUpButton.h"
#include "MainWindow.h"
#include "ModernColorWell.h"
#include "ui_MainWindow.h"
#include "ui_PlaygroundWindow.h"

namespace hueloupe {

namespace {

// Gives every view of a window that is not shown yet its laid-out geometry, parents first,
// so that set-up code sees the sizes the window will have.
void layOut(QWidget& window) {
    if (window.layout() != nullptr) {
        window.layout()->activate();
    }
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (child->layout() != nullptr) {
            child->layout()->activate();
        }
    }
}

}  // namespace

Interface::Interface() = default;
Interface::Interface(Interface&&) noexcept = default;
Interface& Interface::operator=(Interface&&) noexcept = default;
Interface::~Interface() = default;

Interface loadInterface(const Services& services) {
    Interface loaded;
    // Every object first.
    loaded.window = std::make_unique<MainWindow>();
    Ui::MainWindow mainForm;
    mainForm.setupUi(loaded.window.get());

    // Then the outlets.
    loaded.colorWell = mainForm.colorWell;
    loaded.historyPalette = mainForm.historyPalette;
    loaded.colorCopyButton = mainForm.colorCopyButton;

    // Then the services.
    loaded.colorWell->setScheduler(services.scheduler);
    loaded.colorWell->setApplicationState(services.applicationState);
    loaded.colorCopyButton->setScheduler(services.scheduler);
    loaded.historyPalette->setPreferences(services.preferences);

    layOut(*loaded.window);

    // Then the set-up of the two views that need it: the colour well before the palette.
    loaded.colorWell->awakeFromNib();
    loaded.historyPalette->awakeFromNib();
    return loaded;
}

void loadPlaygroundWindow(Interface& loaded) {
    if (loaded.playgroundWindow) {
        return;
    }
    loaded.playgroundWindow = std::make_unique<QWidget>(nullptr, Qt::Window);
    Ui::PlaygroundWindow playgroundForm;
    playgroundForm.setupUi(loaded.playgroundWindow.get());
    loaded.formatterPlaygroundFormatField = playgroundForm.formatterPlaygroundFormatField;
    loaded.formatterPlaygroundOutputLabel = playgroundForm.formatterPlaygroundOutputLabel;
    layOut(*loaded.playgroundWindow);
}

}  // namespace hueloupe
