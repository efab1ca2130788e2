// SPDX-License-Identifier: MIT
#include "ClipboardHandOff.h"

#include <unistd.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>

#include "ClipboardManager.h"
#include "X11Display.h"

namespace hueloupe {
namespace {

constexpr int kStartMs = 2000;
constexpr int kHandOverMs = 3000;  // the helper's parent exits once its child owns the clipboard

ClipboardHandOff lost(const QString& reason) {
    return {ClipboardHandOff::Keeper::Nobody, 0, reason};
}

}  // namespace

std::optional<ClipboardHelper> clipboardHelperFor(QStringView platformName,
                                                  const QString& x11Display) {
    if (platformName == u"xcb") {
        ClipboardHelper xclip{QStringLiteral("xclip"),
                              {QStringLiteral("-selection"), QStringLiteral("clipboard")}};
        if (!x11Display.isEmpty()) {
            xclip.arguments << QStringLiteral("-display") << x11Display;
        }
        return xclip;
    }
    if (platformName.startsWith(u"wayland")) {
        return ClipboardHelper{QStringLiteral("wl-copy"),
                               {QStringLiteral("--type"), QStringLiteral("text/plain")}};
    }
    return std::nullopt;
}

QString clipboardLossWarning(const ClipboardHandOff& handOff) {
    if (handOff.keeper != ClipboardHandOff::Keeper::Nobody) {
        return {};
    }
    return QStringLiteral("hueloupe: the clipboard will be empty once this command ends: ") +
           handOff.lossReason;
}

ClipboardHandOff handOffClipboardText(const QString& text) {
    QClipboard& clipboard = *QGuiApplication::clipboard();
    const auto helper = clipboardHelperFor(QGuiApplication::platformName(), x11DisplayName());
    if (!helper) {
        clipboard.setText(text, QClipboard::Clipboard);
        return lost(QStringLiteral("no program keeps it on the %1 platform")
                        .arg(QGuiApplication::platformName()));
    }
    if (x11ClipboardManagerRuns()) {
        clipboard.setText(text, QClipboard::Clipboard);  // Qt hands it over as the app ends
        return {ClipboardHandOff::Keeper::ClipboardManager, 0, {}};
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
        return lost(
            QStringLiteral("no clipboard manager and no %1 to keep it").arg(helper.program));
    }
    const qint64 session = process.processId();
    process.write(text.toUtf8());
    process.closeWriteChannel();
    if (!process.waitForFinished(kHandOverMs)) {
        process.kill();
        process.waitForFinished(kStartMs);
        return lost(
            QStringLiteral("no clipboard manager, and %1 did not take the clipboard in time")
                .arg(helper.program));
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        return lost(QStringLiteral("no clipboard manager, and %1 failed").arg(helper.program));
    }
    return {ClipboardHandOff::Keeper::Helper, session, {}};
}

}  // namespace hueloupe
