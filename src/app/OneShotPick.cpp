// SPDX-License-Identifier: MIT
#include "OneShotPick.h"

#include <QByteArray>
#include <QPointer>
#include <cerrno>
#include <cstring>
#include <utility>

#include "Clipboard.h"
#include "ColorFormatter.h"
#include "ColorHistory.h"
#include "CopyRecord.h"
#include "Preferences.h"
#include "SettingsKeys.h"

namespace hueloupe {

QString formatForPick(const Preferences& preferences, const std::optional<std::string>& asked) {
    if (asked && !asked->empty()) {
        return QString::fromStdString(*asked);
    }
    const std::optional<QString> last = preferences.stringForKey(keys::kLastFormatter);
    return last && !last->isEmpty() ? *last
                                    : QString::fromLatin1(ColorFormatter::defaultTokenTemplate);
}

bool writePickedLine(std::FILE* output, std::FILE* error, const QString& text) {
    const QByteArray line = (text + u'\n').toUtf8();
    errno = 0;
    const bool written =
        std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), output) ==
            static_cast<std::size_t>(line.size()) &&
        std::fflush(output) == 0;
    if (!written) {
        const int cause = errno != 0 ? errno : EIO;
        std::fprintf(error, "hueloupe: cannot write output: %s\n", std::strerror(cause));
    }
    return written;
}

OneShotPick::OneShotPick(Preferences& preferences, PickSessions& sessions, QString format,
                         Clipboard* clipboard, QObject* parent)
    : QObject(parent),
      preferences_(preferences),
      sessions_(sessions),
      format_(std::move(format)),
      clipboard_(clipboard) {}

OneShotPick::~OneShotPick() {
    if (session_) {
        sessions_.cancel(*session_);
    }
}

void OneShotPick::setStreams(std::FILE* output, std::FILE* error) {
    output_ = output;
    error_ = error;
}

void OneShotPick::start(QPointF at) {
    session_ = sessions_.start(at, [pick = QPointer<OneShotPick>(this)](const PickOutcome& outcome) {
        if (pick != nullptr) {
            pick->ended(outcome);
        }
    });
}

void OneShotPick::ended(const PickOutcome& outcome) {
    session_.reset();
    switch (outcome.kind) {
    case PickOutcome::Kind::Picked:
        emit finished(colorPicked(outcome.color));
        return;
    case PickOutcome::Kind::Unavailable:
        std::fputs("hueloupe: no colour picker is available\n", error_);
        emit finished(1);
        return;
    case PickOutcome::Kind::Failed:
        emit finished(1);
        return;
    }
}

int OneShotPick::colorPicked(const ColorValue& color) {
    const std::string format = format_.toStdString();
    const QString text =
        QString::fromStdString(ColorFormatter(format, format, false).stringForColor(color));
    if (!writePickedLine(output_, error_, text)) {
        return kOutputFailed;
    }
    if (clipboard_ != nullptr) {
        if (const QString warning = clipboard_->setText(text); !warning.isEmpty()) {
            std::fprintf(error_, "%s\n", qUtf8Printable(warning));
        }
    }
    ColorHistory history(preferences_);
    recordCopy(
        preferences_, [&history](const ColorValue& pushed) { history.pushColor(pushed); }, color,
        format_);
    return 0;
}

}  // namespace hueloupe
