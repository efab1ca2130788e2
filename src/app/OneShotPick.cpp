// SPDX-License-Identifier: MIT
#include "OneShotPick.h"

#include <QByteArray>
#include <utility>

#include "AppDelegate.h"
#include "ColorFormatter.h"
#include "ColorHistory.h"
#include "Picker.h"
#include "Preferences.h"

namespace hueloupe {

QString formatForPick(const Preferences& preferences, const std::optional<std::string>& asked) {
    if (asked && !asked->empty()) {
        return QString::fromStdString(*asked);
    }
    const std::optional<QString> last = preferences.stringForKey(AppDelegate::kLastFormatterKey);
    return last && !last->isEmpty() ? *last
                                    : QString::fromLatin1(ColorFormatter::defaultTokenTemplate);
}

void recordPickedColor(Preferences& preferences, const ColorValue& color, const QString& format) {
    // "LastColor" as the controller writes it: a plain formatter's text.
    preferences.setObject(QString::fromStdString(ColorFormatter().stringForColor(color)),
                          AppDelegate::kLastColorKey);
    ColorHistory history(preferences);
    history.pushColor(color);
    preferences.setObject(format, AppDelegate::kLastFormatterKey);
}

OneShotPick::OneShotPick(Preferences& preferences, Picker& picker, QString format, Copy copy,
                         QObject* parent)
    : QObject(parent),
      preferences_(preferences),
      picker_(picker),
      format_(std::move(format)),
      copy_(std::move(copy)) {
    connect(&picker_, &Picker::picked, this, &OneShotPick::colorPicked);
    connect(&picker_, &Picker::failed, this, &OneShotPick::nothingPicked);
    connect(&picker_, &Picker::unavailable, this, &OneShotPick::noPicker);
}

OneShotPick::~OneShotPick() {
    picker_.cancel();
}

void OneShotPick::setStreams(std::FILE* output, std::FILE* error) {
    output_ = output;
    error_ = error;
}

void OneShotPick::start(QPointF at) {
    done_ = false;
    picker_.start(at);
}

void OneShotPick::colorPicked(const ColorValue& color) {
    if (std::exchange(done_, true)) {
        return;
    }
    const QString text = QString::fromStdString(
        ColorFormatter(format_.toStdString(), format_.toStdString(), false).stringForColor(color));
    const QByteArray line = (text + u'\n').toUtf8();
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), output_);
    std::fflush(output_);
    if (copy_) {
        copy_(text);
    }
    recordPickedColor(preferences_, color, format_);
    emit finished(0);
}

void OneShotPick::nothingPicked() {
    if (!std::exchange(done_, true)) {
        emit finished(1);
    }
}

void OneShotPick::noPicker() {
    if (!std::exchange(done_, true)) {
        std::fputs("hueloupe: no colour picker is available\n", error_);
        emit finished(1);
    }
}

}  // namespace hueloupe
