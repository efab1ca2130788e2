// The formatter playground: the current colour through whatever format string is typed.
#include <QLabel>
#include <QLineEdit>

#include "app/AppDelegate.h"
#include "format/ColorFormatter.h"
#include "ui/ModernColorWell.h"

namespace hueloupe {

void AppDelegate::showPlaygroundWindow() {
    playgroundWindow_->show();
    playgroundWindow_->raise();
    playgroundWindow_->activateWindow();
}

void AppDelegate::updateFormatterPlaygroundValues() {
    playgroundFormatter_->setFormatString(formatterPlaygroundFormatField_->text().toStdString());
    const std::string output = playgroundFormatter_->stringForColor(colorWell_->color());
    formatterPlaygroundOutputLabel_->setText(QString::fromStdString(output));
}

void AppDelegate::controlTextDidChange() {
    updateFormatterPlaygroundValues();
}

}  // namespace hueloupe
