// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <memory>

#include "ColorAdapters.h"
#include "ColorValue.h"

class QColor;
class QColorDialog;

namespace hueloupe {

// The one holder of the current colour. Its window, a non-modal colour dialog with an alpha
// channel, is made the first time it is shown. colorChanged is emitted every time the colour
// is set, by the program or by the user in the dialog, even when it equals the old colour.
class ColorPanel final : public QObject {
    Q_OBJECT

public:
    explicit ColorPanel(QObject* parent = nullptr);
    ~ColorPanel() override;

    // The process-wide panel, made on first use and deleted with the application object.
    static ColorPanel& shared();

    const ColorValue& color() const { return color_; }
    void setColor(const ColorValue& color);

    void show();
    void hide();
    bool isVisible() const;

    // The dialog once it has been shown, else null.
    QColorDialog* dialog() const { return dialog_.get(); }

signals:
    void colorChanged(const hueloupe::ColorValue& color);

private:
    void makeDialog();
    void takeDialogColor(const QColor& color);

    ColorValue color_{1.0, 1.0, 1.0, 1.0};
    std::unique_ptr<QColorDialog> dialog_;
    bool updatingDialog_ = false;
};

}  // namespace hueloupe
