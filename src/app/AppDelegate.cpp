// SPDX-License-Identifier: MIT
#include "AppDelegate.h"
#include "WindowOrder.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>

#include "ColorFormatter.h"
#include "ColorHistoryView.h"
#include "ColorPanel.h"
#include "CopyPopUpButton.h"
#include "CssColor.h"
#include "InterfaceLoader.h"
#include "MainWindow.h"
#include "ModernColorWell.h"
#include "Preferences.h"

namespace hueloupe {

void AppDelegate::initialize(Preferences& preferences) {
    preferences.registerDefaults({
        {kLastColorKey, QStringLiteral("rgba(254, 233, 141, 1.0)")},
        {kLastFormatterKey, QStringLiteral("#{rr}{gg}{bb}")},
    });
}

AppDelegate::AppDelegate(Preferences& preferences, ColorPanel& colorPanel, QObject* parent)
    : QObject(parent),
      playgroundFormatter_(
          std::make_unique<ColorFormatter>("#{rr}{gg}{bb}", "#{rr}{gg}{bb}", false)),
      preferences_(&preferences),
      colorPanel_(&colorPanel),
      beep_(&QApplication::beep) {}

AppDelegate::~AppDelegate() = default;

void AppDelegate::connectOutlets(Interface& loaded) {
    interface_ = &loaded;
    window_ = loaded.window.get();
    colorWell_ = loaded.colorWell;
    historyPalette_ = loaded.historyPalette;
    colorCopyButton_ = loaded.colorCopyButton;

    connect(colorCopyButton_, &CopyPopUpButton::activated, this, &AppDelegate::copySelectedColor);
    connect(window_, &MainWindow::copyRequested, this, &AppDelegate::copySelectedColor);
    connect(window_, &MainWindow::pasteRequested, this, &AppDelegate::readColorFromPasteboard);
    connect(window_, &MainWindow::tweakColorRequested, this, &AppDelegate::tweakColor);
    connect(window_, &MainWindow::showPlaygroundRequested, this,
            &AppDelegate::showPlaygroundWindow);
}

void AppDelegate::applicationWillFinishLaunching() {
    // The colour panel always offers alpha, so there is nothing to switch on for it here.
    if (const auto text = preferences_->stringForKey(kLastColorKey)) {
        if (const auto color = colorFromCSString(text->toStdString())) {
            colorWell_->setColor(*color);
        }
    }
    colorWell_->setDelegate(this);
    connect(historyPalette_, &ColorHistoryView::colorSelected, this, &AppDelegate::colorSelected);
    colorPanel_->setColor(colorWell_->color());  // before the handler exists: stores nothing
    populateColorFormatChoices();
    connect(colorPanel_, &ColorPanel::colorChanged, this, &AppDelegate::colorPanelDidChange);
    updateFormatterPlaygroundValues();
    makeKeyAndOrderFront(*window_);
}

void AppDelegate::colorSelected(const ColorValue& color) {
    colorPanel_->setColor(color);
}

void AppDelegate::colorChanged(const ColorValue& color) {
    colorPanel_->setColor(color);
}

void AppDelegate::tweakColor() {
    if (colorPanel_->isVisible()) {
        colorPanel_->hide();
    } else {
        colorPanel_->show();
    }
}

void AppDelegate::colorPanelDidChange() {
    colorWell_->setColor(colorPanel_->color());
    updateColorChoicePreviews();
    updateFormatterPlaygroundValues();
    const std::string text = formatter().stringForColor(colorWell_->color());
    preferences_->setObject(QString::fromStdString(text), kLastColorKey);
}

ColorFormatter& AppDelegate::formatter() {
    if (!formatter_) {
        formatter_ = std::make_unique<ColorFormatter>();
    }
    return *formatter_;
}

}  // namespace hueloupe
