// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QRectF>
#include <QString>
#include <QWidget>

class QPropertyAnimation;

namespace hueloupe {

// The text layer over the colour well. Opacity changes fade; new text fades in too unless
// textFadesIn is off, when it shows at once. Mouse events pass through to the well below.
class MessageOverlay final : public QWidget {
    Q_OBJECT
    Q_PROPERTY(qreal presentedOpacity READ presentedOpacity WRITE setPresentedOpacity)
    Q_PROPERTY(bool textFadesIn READ textFadesIn WRITE setTextFadesIn)

public:
    static constexpr int kFadeMs = 250;

    explicit MessageOverlay(QWidget* parent);
    ~MessageOverlay() override;

    // "Helvetica Neue" bold when the system has it, otherwise its bold sans-serif; 16 px.
    static QFont defaultFont();

    QString text() const { return text_; }
    void setText(const QString& text);
    bool textFadesIn() const { return textFadesIn_; }
    void setTextFadesIn(bool fades) { textFadesIn_ = fades; }

    bool isWrapped() const { return wrapped_; }
    void setWrapped(bool wrapped);
    bool truncatesAtEnd() const { return truncatesAtEnd_; }
    void setTruncatesAtEnd(bool truncates);
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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void setPresentedOpacity(qreal opacity);

    QPropertyAnimation* fade_;
    QString text_;
    QColor textColor_;
    QRectF frame_;
    qreal opacity_ = 1.0;
    qreal presentedOpacity_ = 1.0;
    bool textFadesIn_ = true;
    bool wrapped_ = false;
    bool truncatesAtEnd_ = false;
};

}  // namespace hueloupe
