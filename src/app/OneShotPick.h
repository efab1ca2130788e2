// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointF>
#include <QString>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>

#include "ColorValue.h"

namespace hueloupe {

class Picker;
class Preferences;

// The format a pick is written in: the one asked for, else the one last copied ("LastFormatter"),
// else hex.
QString formatForPick(const Preferences& preferences, const std::optional<std::string>& asked);

// Stores a picked colour as a pick and then a copy in the window would: "LastColor", the colour
// pushed onto the history and "LastFormatter".
void recordPickedColor(Preferences& preferences, const ColorValue& color, const QString& format);

// One pick without the main window (hueloupe --pick). A pick prints the colour through the
// format on the output stream, followed by a newline, copies the same text unless told not to,
// records it and finishes with status 0. A cancel or a failed pick prints and changes nothing
// and finishes with 1; when no picker exists at all it also says so on the error stream.
class OneShotPick final : public QObject {
    Q_OBJECT

public:
    using Copy = std::function<void(const QString& text)>;

    // The settings store and the picker must outlive the pick. copy is empty for --no-copy.
    OneShotPick(Preferences& preferences, Picker& picker, QString format, Copy copy,
                QObject* parent = nullptr);
    ~OneShotPick() override;

    void setStreams(std::FILE* output, std::FILE* error);

    // Starts the picker at a global logical position; finished follows, maybe before this returns.
    void start(QPointF at);

signals:
    void finished(int status);

private:
    void colorPicked(const ColorValue& color);
    void nothingPicked();
    void noPicker();

    Preferences& preferences_;
    Picker& picker_;
    QString format_;
    Copy copy_;
    std::FILE* output_ = stdout;
    std::FILE* error_ = stderr;
    bool done_ = false;
};

}  // namespace hueloupe
