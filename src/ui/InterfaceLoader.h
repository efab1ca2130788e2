// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

class QLabel;
class QLineEdit;
class QWidget;

namespace hueloupe {

class ApplicationState;
class ColorHistoryView;
class CopyPopUpButton;
class MainWindow;
class ModernColorWell;
class Preferences;
class Scheduler;

// What the views are handed when they are loaded: the settings store, the clock for delayed
// steps and the application's state. Made once by the application (or a test); each must
// outlive the interface.
struct Services {
    Preferences& preferences;
    Scheduler& scheduler;
    ApplicationState& applicationState;
};

// The loaded windows and the outlets into them. The two windows own their views.
struct Interface {
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<QWidget> playgroundWindow;
    ModernColorWell* colorWell = nullptr;
    ColorHistoryView* historyPalette = nullptr;
    CopyPopUpButton* colorCopyButton = nullptr;
    QLineEdit* formatterPlaygroundFormatField = nullptr;
    QLabel* formatterPlaygroundOutputLabel = nullptr;

    Interface();
    Interface(Interface&&) noexcept;
    Interface& operator=(Interface&&) noexcept;
    ~Interface();
};

// Builds the main window from its interface description, sets the outlets, hands the views
// their services, then sets up the colour well and after it the history palette
// (awakeFromNib, in that order). The window is not shown. The playground window is left for
// loadPlaygroundWindow.
Interface loadInterface(const Services& services);

// Builds the playground window and sets its outlets, once: it costs nothing at launch until
// the user asks for it.
void loadPlaygroundWindow(Interface& loaded);

}  // namespace hueloupe
