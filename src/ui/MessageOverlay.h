// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QRectF>
#include <QString>
#include <QWidget>

class QPropertyAnimation;

namespace hueloupe {

class ActionlessLayerDelegate;

// The text layer over the colour well. Before a property changes it asks its layer delegate
// for the action: no action shows the new value at once, the standard action fades it
// (only opacity is animated). Mouse events pass through to the well below.
class MessageOverlay final : public QWidget {
    Q_OBJECT
    Q_PROPERTY(qreal presentedOpacity READ presentedOpacity WRITE setPresentedOpacity)

public:
    static constexpr int kDefaultFadeMs = 250;

    MessageOverlay(const ActionlessLayerDelegate& layerDelegate, QWidget* parent);
    ~MessageOverlay() override;

    // "Helvetica Neue" bold when the system has it, otherwise its bold sans-serif; 16 px.
    static QFont defaultFont();

    QString text() const { return text_; }
    void setText(const QString& text);

    bool isWrapped() const { return wrapped_; }
    void setWrapped(bool wrapped);
    bool truncatesAtEnd() const { return truncatesAtEnd_; }
    void setTruncatesAtEnd(bool truncates);
    QColor textColor() const { return textColor_; }
    void setTextColor(const QColor& color);

    // The frame in the parent's bottom-up coordinates (see OverlayGeometry.h).
    QRectF frame() const { return frame_; }
    void setFrame(const QRectF& frame);
    // Places the widget for the parent's current height; the parent calls it when resized.
    void followParent();

    // The target opacity, as set; presentedOpacity() is what is drawn while a fade runs.
    qreal opacity() const { return opacity_; }
    void setOpacity(qreal opacity);
    qreal presentedOpacity() const { return presentedOpacity_; }
    bool isFading() const;

    int fadeDuration() const { return fadeMs_; }
    void setFadeDuration(int milliseconds);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void setPresentedOpacity(qreal opacity);

    const ActionlessLayerDelegate& layerDelegate_;
    QPropertyAnimation* fade_;
    QString text_;
    QColor textColor_;
    QRectF frame_;
    qreal opacity_ = 1.0;
    qreal presentedOpacity_ = 1.0;
    int fadeMs_ = kDefaultFadeMs;
    bool wrapped_ = false;
    bool truncatesAtEnd_ = false;
};

}  // namespace hueloupe
