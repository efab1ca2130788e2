// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include <QPointF>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "ColorValue.h"
#include "PickSessions.h"
#include "Scheduler.h"

namespace hueloupe {

class ApplicationState;
class MessageOverlay;

// The large view that shows the current colour. A press away from its bottom strip starts a
// pick session (the screen loupe) at the pointer; the picked colour is shown and reported with
// colorPicked. A text overlay shows a hint after set-up and short messages later.
class ModernColorWell : public QWidget {
    Q_OBJECT
    Q_PROPERTY(hueloupe::ColorValue color READ color WRITE setColor NOTIFY colorChanged)

public:
    // A press must lie more than this far above the bottom edge to start the loupe.
    static constexpr qreal kBottomStrip = 25;
    // The well's texts, translated where they are shown (tr). Every message must fit the
    // well in every language.
    static constexpr const char* kHint = QT_TR_NOOP("drag from here\nto snap a color");
    // Shown when a press finds no way at all to pick from the screen.
    static constexpr const char* kNoPicker = QT_TR_NOOP("no color picker");
    static constexpr const char* kCopied = QT_TR_NOOP("copied");
    static constexpr const char* kPasted = QT_TR_NOOP("pasted");
    static constexpr const char* kInvalidCss = QT_TR_NOOP("invalid CSS");
    static constexpr const char* kAccessibleName = QT_TR_NOOP("Colour well");

    explicit ModernColorWell(QWidget* parent = nullptr);
    ~ModernColorWell() override;

    const ColorValue& color() const { return color_; }
    void setColor(const ColorValue& color);

    // Set-up after loading: the overlay with the hint, which expires after 2.0 s.
    void awakeFromNib();
    // Shows a short single-line text for 0.8 s. A well not set up yet gets its overlay first.
    void showMessage(const QString& text);

    // The overlay: null until set-up (or the first message).
    MessageOverlay* messageLayer() const { return messageLayer_; }
    const std::optional<QString>& messageToken() const { return messageToken_; }
    const std::optional<QString>& mouseDownToken() const { return mouseDownToken_; }

    // Where delayed steps run and where the application's state comes from: handed in by the
    // loader before set-up (tests put virtual time and a fake application here). Both must
    // be set before the first press or message, and outlive the well.
    void setScheduler(Scheduler& scheduler) { scheduler_ = &scheduler; }
    void setApplicationState(ApplicationState& state) { applicationState_ = &state; }

    // Where a press starts its pick; not owned. Without it a press says "no color picker".
    void setPickSessions(PickSessions* sessions);

public slots:
    // Opens the loupe at the pointer, as Enter does.
    void startPicking();

signals:
    // The colour shown changed, by setColor() or a pick.
    void colorChanged(const hueloupe::ColorValue& color);
    // The user picked a colour with the loupe; the well already shows it.
    void colorPicked(const hueloupe::ColorValue& color);

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
    // position: in the well; global: where the press was, none for a key (the pointer then).
    void startMagnifier(QPointF position, std::optional<QPointF> global = std::nullopt);
    void pickEnded(const PickOutcome& outcome);

    MessageOverlay* messageLayer_ = nullptr;  // a child widget, owned through Qt
    std::optional<QString> messageToken_;
    std::optional<QString> mouseDownToken_;
    std::optional<int> keyDown_;  // the Enter or Space key pressed here and not yet released
    ColorValue color_{0.0, 0.7082, 1.0, 1.0};
    Scheduler* scheduler_ = nullptr;
    ApplicationState* applicationState_ = nullptr;
    QPointer<PickSessions> sessions_;
    std::optional<PickSessions::Id> session_;  // this well's pick, while it may be running
};

}  // namespace hueloupe
