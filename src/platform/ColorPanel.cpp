// SPDX-License-Identifier: MIT
#include "ColorPanel.h"
#include "WindowOrder.h"

#include <QApplication>
#include <QColorDialog>
#include <QPointer>

#include "ColorAdapters.h"

namespace hueloupe {

ColorPanel::ColorPanel(QObject* parent) : QObject(parent) {}

ColorPanel::~ColorPanel() = default;

namespace {

QPointer<ColorPanel> sharedPanel;

// Runs as the application object goes, while its dialog can still be destroyed cleanly.
void deleteSharedPanel() {
    delete sharedPanel.data();
}

}  // namespace

ColorPanel& ColorPanel::shared() {
    if (sharedPanel.isNull()) {
        sharedPanel = new ColorPanel();
        qAddPostRoutine(deleteSharedPanel);
    }
    return *sharedPanel;
}

void ColorPanel::setColor(const ColorValue& color) {
    color_ = color;
    if (dialog_) {
        updatingDialog_ = true;
        dialog_->setCurrentColor(makeSRGBColor(color_));
        updatingDialog_ = false;
    }
    emit colorChanged(color_);
}

void ColorPanel::makeDialog() {
    // Qt's own dialog: a platform dialog may report edits only when it closes.
    dialog_ = std::make_unique<QColorDialog>();
    dialog_->setOptions(QColorDialog::ShowAlphaChannel | QColorDialog::NoButtons |
                        QColorDialog::DontUseNativeDialog);
    dialog_->setWindowTitle(tr("Colours"));
    dialog_->setModal(false);
    updatingDialog_ = true;
    dialog_->setCurrentColor(makeSRGBColor(color_));
    updatingDialog_ = false;
    connect(dialog_.get(), &QColorDialog::currentColorChanged, this, &ColorPanel::takeDialogColor);
}

void ColorPanel::takeDialogColor(const QColor& color) {
    if (updatingDialog_) {
        return;
    }
    color_ = readSRGBComponents(color);
    emit colorChanged(color_);
}

void ColorPanel::show() {
    if (!dialog_) {
        makeDialog();
    }
    makeKeyAndOrderFront(*dialog_);
}

void ColorPanel::hide() {
    if (dialog_) {
        dialog_->hide();
    }
}

bool ColorPanel::isVisible() const {
    return dialog_ && dialog_->isVisible();
}

}  // namespace hueloupe
