// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

#include "ColorValue.h"
#include "ModernColorWellDelegate.h"

class QClipboard;
class QLabel;
class QLineEdit;
class QWidget;

namespace hueloupe {

class ColorFormatter;
class ColorHistoryView;
class ColorPanel;
class CopyPopUpButton;
class MainWindow;
class ModernColorWell;
class Preferences;
struct Interface;

// The application controller: joins the main window's views, the colour logic and the
// user's settings. The current colour lives in the colour panel; every change goes through
// it and comes back through one handler that refreshes the well, the format menu, the
// playground and "LastColor".
class AppDelegate final : public QObject, public ModernColorWellDelegate {
    Q_OBJECT

public:
    static inline const QString kLastColorKey = QStringLiteral("LastColor");
    static inline const QString kLastFormatterKey = QStringLiteral("LastFormatter");

    // Registers the controller's defaults; runs once, before the first controller exists.
    static void initialize(Preferences& preferences);

    // The settings store and the colour panel must outlive the controller.
    AppDelegate(Preferences& preferences, ColorPanel& colorPanel, QObject* parent = nullptr);
    ~AppDelegate() override;

    // The playground's format string until the user types another.
    static inline const QString kInitialPlaygroundFormat =
        QStringLiteral("hsla({h}, {s}%, {l}%, {a})");

    // Takes the outlets and answers the window's menu commands and the copy button. The
    // controller keeps the interface to build the playground window when it is first shown.
    void connectOutlets(Interface& loaded);

    // The system beep unless a test counts it instead.
    void setBeep(std::function<void()> beep) { beep_ = std::move(beep); }

    void applicationWillFinishLaunching();
    void applicationDidFinishLaunching() {}
    void applicationWillTerminate() {}

    void populateColorFormatChoices();
    void updateColorChoicePreviews();

    void colorSelected(const ColorValue& color);
    void colorChanged(const ColorValue& color) override;
    bool applyColorWithCSString(const QString& text);
    void copySelectedColor();
    // A colour picked for another launch: it becomes current, is copied through the given
    // format string (unless copy is false) and recorded as a copy is. Returns the text.
    QString applyPickedColor(const ColorValue& color, const QString& format, bool copy);
    void readColorFromPasteboard();

    void tweakColor();
    void showPlaygroundWindow();
    void updateFormatterPlaygroundValues();
    void controlTextDidChange();
    // What the playground shows for the current colour, whether or not its window exists.
    const QString& playgroundOutput() const { return playgroundOutput_; }

private:
    void colorPanelDidChange();
    void ensurePlaygroundWindow();
    ColorFormatter& formatter();
    QClipboard& clipboard() const;

    QPointer<MainWindow> window_;
    QPointer<ModernColorWell> colorWell_;
    QPointer<ColorHistoryView> historyPalette_;
    QPointer<CopyPopUpButton> colorCopyButton_;
    std::unique_ptr<ColorFormatter> formatter_;  // writes "LastColor"; made on first use
    std::unique_ptr<ColorFormatter> playgroundFormatter_;
    Interface* interface_ = nullptr;
    QString playgroundFormat_ = kInitialPlaygroundFormat;
    QString playgroundOutput_;
    QPointer<QWidget> playgroundWindow_;
    QPointer<QLabel> formatterPlaygroundOutputLabel_;
    QPointer<QLineEdit> formatterPlaygroundFormatField_;

    Preferences* preferences_;
    ColorPanel* colorPanel_;
    std::function<void()> beep_;
};

}  // namespace hueloupe
