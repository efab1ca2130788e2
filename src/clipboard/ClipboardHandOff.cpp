// SPDX-License-Identifier: MIT
#include "ClipboardHandOff.h"

#include <unistd.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>

#include "ClipboardManager.h"

namespace hueloupe {
namespace {

constexpr int kStartMs = 2000;
constexpr int kHandOverMs = 3000;  // the helper's parent exits once its child owns the clipboard

}  // namespace

std::optional<ClipboardHelper> clipboardHelperFor(QStringView platformName) {
    if (platformName == u"xcb") {
        return ClipboardHelper{QStringLiteral("xclip"),
                               {QStringLiteral("-selection"), QStringLiteral("clipboard")}};
    }
    if (platformName.startsWith(u"wayland")) {
        return ClipboardHelper{QStringLiteral("wl-copy"),
                               {QStringLiteral("--type"), QStringLiteral("text/plain")}};
    }
    return std::nullopt;
}

ClipboardHandOff handOffClipboardText(const QString& text) {
    QClipboard& clipboard = *QGuiApplication::clipboard();
    const auto helper = clipboardHelperFor(QGuiApplication::platformName());
    if (!helper) {
        clipboard.setText(text, QClipboard::Clipboard);
        return {};
    }
    if (x11ClipboardManagerRuns()) {
        clipboard.setText(text, QClipboard::Clipboard);  // Qt hands it over as the app ends
        return {ClipboardHandOff::Keeper::ClipboardManager};
    }
    const ClipboardHandOff handOff = handOffClipboardText(text, *helper);
    if (handOff.keeper == ClipboardHandOff::Keeper::Nobody) {
        clipboard.setText(text, QClipboard::Clipboard);  // at least while this process lasts
    }
    return handOff;
}

ClipboardHandOff handOffClipboardText(const QString& text, const ClipboardHelper& helper) {
    QProcess process;
    process.setProgram(helper.program);
    process.setArguments(helper.arguments);
    // Its own session: it outlives this process and its terminal, and holds none of our streams
    // (a caller reading our output until its end would wait for the helper too).
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.setChildProcessModifier([] { ::setsid(); });
    process.start();
    if (!process.waitForStarted(kStartMs)) {
        return {};
    }
    const qint64 session = process.processId();
    process.write(text.toUtf8());
    process.closeWriteChannel();
    if (!process.waitForFinished(kHandOverMs)) {
        process.kill();
        process.waitForFinished(kStartMs);
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        return {};
    }
    return {ClipboardHandOff::Keeper::Helper, session};
}

}  // namespace hueloupe
