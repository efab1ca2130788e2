// SPDX-License-Identifier: MIT
// The formatter playground: the current colour through whatever format string is typed.
#include <QLabel>
#include <QLineEdit>

#include "AppDelegate.h"
#include "ColorFormatter.h"
#include "InterfaceLoader.h"
#include "ModernColorWell.h"
#include "WindowOrder.h"

namespace hueloupe {

void AppDelegate::showPlaygroundWindow() {
    ensurePlaygroundWindow();
    makeKeyAndOrderFront(*playgroundWindow_);
}

void AppDelegate::ensurePlaygroundWindow() {
    if (playgroundWindow_) {
        return;
    }
    loadPlaygroundWindow(*interface_);
    playgroundWindow_ = interface_->playgroundWindow.get();
    formatterPlaygroundFormatField_ = interface_->formatterPlaygroundFormatField;
    formatterPlaygroundOutputLabel_ = interface_->formatterPlaygroundOutputLabel;
    formatterPlaygroundFormatField_->setText(playgroundFormat_);
    connect(formatterPlaygroundFormatField_, &QLineEdit::textEdited, this,
            &AppDelegate::controlTextDidChange);
    updateFormatterPlaygroundValues();
}

void AppDelegate::updateFormatterPlaygroundValues() {
    if (formatterPlaygroundFormatField_) {
        playgroundFormat_ = formatterPlaygroundFormatField_->text();
    }
    playgroundFormatter_->setFormatString(playgroundFormat_.toStdString());
    playgroundOutput_ =
        QString::fromStdString(playgroundFormatter_->stringForColor(colorWell_->color()));
    if (formatterPlaygroundOutputLabel_) {
        formatterPlaygroundOutputLabel_->setText(playgroundOutput_);
    }
}

void AppDelegate::controlTextDidChange() {
    updateFormatterPlaygroundValues();
}

}  // namespace hueloupe
