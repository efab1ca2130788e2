// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointF>
#include <QString>
#include <cstdio>
#include <optional>
#include <string>

#include "PickSessions.h"

namespace hueloupe {

class Clipboard;
class Preferences;

// The format a pick is written in: the one asked for, else the one last copied ("LastFormatter"),
// else hex.
QString formatForPick(const Preferences& preferences, const std::optional<std::string>& asked);

// The exit status of a pick whose answer could not be written out.
inline constexpr int kOutputFailed = 3;

// Writes a pick's text and a newline and flushes it. On failure says so on error and returns
// false.
bool writePickedLine(std::FILE* output, std::FILE* error, const QString& text);

// One pick without the main window (hueloupe --pick). A pick prints the colour through the
// format on the output stream, followed by a newline, copies the same text unless told not to,
// records it and finishes with status 0. A cancel or a failed pick prints and changes nothing
// and finishes with 1; when no picker exists at all it also says so on the error stream. When
// the output cannot be written it says so and finishes with 3, copying and recording nothing.
class OneShotPick final : public QObject {
    Q_OBJECT

public:
    // The settings store, the sessions and the clipboard must outlive the pick. clipboard is
    // null for --no-copy.
    OneShotPick(Preferences& preferences, PickSessions& sessions, QString format,
                Clipboard* clipboard, QObject* parent = nullptr);
    ~OneShotPick() override;

    void setStreams(std::FILE* output, std::FILE* error);

    // Starts the pick at a global logical position; finished follows, maybe before this returns.
    void start(QPointF at);

signals:
    void finished(int status);

private:
    void ended(const PickOutcome& outcome);
    int colorPicked(const ColorValue& color);

    Preferences& preferences_;
    PickSessions& sessions_;
    QString format_;
    Clipboard* clipboard_;
    std::FILE* output_ = stdout;
    std::FILE* error_ = stderr;
    std::optional<PickSessions::Id> session_;
};

}  // namespace hueloupe
