// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include <QPointF>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "ActionlessLayerDelegate.h"
#include "ColorValue.h"
#include "Scheduler.h"

namespace hueloupe {

class ApplicationState;
class MessageOverlay;
class ModernColorWellDelegate;
class Picker;

// The large view that shows the current colour. A press away from its bottom strip starts the
// picker (the screen loupe) at the pointer; the picked colour is shown and handed to the
// delegate. A text overlay shows a hint after set-up and short messages later.
class ModernColorWell : public QWidget {
    Q_OBJECT

public:
    // A press must lie more than this far above the bottom edge to start the loupe.
    static constexpr qreal kBottomStrip = 25;
    static inline const QString kHint = QStringLiteral("drag from here\nto snap a color");
    // Shown when a press finds no way at all to pick from the screen.
    static inline const QString kNoPicker = QStringLiteral("no color picker");
    static inline const QString kAccessibleName = QStringLiteral("Colour well");

    explicit ModernColorWell(QWidget* parent = nullptr);
    ~ModernColorWell() override;

    ModernColorWellDelegate* delegate() const { return delegate_; }
    // Not owned; the well never keeps its delegate alive.
    void setDelegate(ModernColorWellDelegate* delegate) { delegate_ = delegate; }

    const ColorValue& color() const { return color_; }
    void setColor(const ColorValue& color);

    // Set-up after loading: the overlay with the hint, which expires after 2.0 s.
    void awakeFromNib();
    // Shows a short single-line text for 0.8 s. A well not set up yet gets its overlay first.
    void showMessage(const QString& text);

    // The overlay: null until set-up (or the first message).
    MessageOverlay* messageLayer() const { return messageLayer_; }
    const ActionlessLayerDelegate& layerDelegate() const { return layerDelegate_; }
    const std::optional<QString>& messageToken() const { return messageToken_; }
    const std::optional<QString>& mouseDownToken() const { return mouseDownToken_; }

    // Where delayed steps run and where the application's state comes from: handed in by the
    // loader before set-up (tests put virtual time and a fake application here). Both must
    // be set before the first press or message, and outlive the well.
    void setScheduler(Scheduler& scheduler) { scheduler_ = &scheduler; }
    void setApplicationState(ApplicationState& state) { applicationState_ = &state; }

    // What a press starts; not owned. Without one a press says "no color picker".
    void setPicker(Picker* picker);
    // Starts the loupe at the pointer as a press in the well would (the desktop's pick action).
    void startPickAtPointer();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // From the keyboard, Enter or Space starts the loupe at the pointer when the key comes up.
    // Assistive tools read the current colour as the description.
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void setupLayers();
    void makeOverlay();
    void armExpiry(const QString& token, Scheduler::Duration delay);
    void expireMessage(const QString& token);
    void startMagnifier(QPointF position);
    void colorPicked(const ColorValue& color);
    void pickFailed();
    void pickUnavailable();

    ModernColorWellDelegate* delegate_ = nullptr;
    MessageOverlay* messageLayer_ = nullptr;  // a child widget, owned through Qt
    ActionlessLayerDelegate layerDelegate_;
    std::optional<QString> messageToken_;
    std::optional<QString> mouseDownToken_;
    std::optional<int> keyDown_;  // the Enter or Space key pressed here and not yet released
    ColorValue color_{0.0, 0.7082, 1.0, 1.0};
    Scheduler* scheduler_ = nullptr;
    ApplicationState* applicationState_ = nullptr;
    QPointer<Picker> picker_;
    bool picking_ = false;  // a session of this well's press is running
};

}  // namespace hueloupe
