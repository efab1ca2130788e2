// SPDX-License-Identifier: MIT
#include "NoDisplay.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace hueloupe {
namespace {

constexpr char kNoDisplay[] = "hueloupe: cannot open a display (DISPLAY or WAYLAND_DISPLAY)\n";
constexpr char kNoPlugin[] = "no Qt platform plugin could be initialized";
constexpr std::size_t kMaxHeld = 64;  // past these, messages pass at once

struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

struct Holding {
    std::mutex mutex;
    QtMessageHandler previous = nullptr;
    bool active = false;
    std::vector<HeldMessage> messages;
};

Holding& holding() {
    static Holding instance;
    return instance;
}

const char* orNull(const QByteArray& text) {
    return text.isNull() ? nullptr : text.constData();
}

void passOn(QtMessageHandler handler, const HeldMessage& m) {
    const QMessageLogContext context(orNull(m.file), m.line, orNull(m.function),
                                     orNull(m.category));
    handler(m.type, context, m.text);
}

// Ends the holding: the handler goes back to what it was and the held messages are shown.
void releaseHeld() {
    Holding& h = holding();
    std::vector<HeldMessage> messages;
    {
        const std::lock_guard lock(h.mutex);
        if (!h.active) {
            return;
        }
        h.active = false;
        messages.swap(h.messages);
        qInstallMessageHandler(h.previous);
    }
    for (const HeldMessage& m : messages) passOn(h.previous, m);
}

void holdWhileOpening(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg && text.contains(QLatin1String(kNoPlugin))) {
        std::fputs(kNoDisplay, stderr);
        std::fflush(stderr);
        std::_Exit(1);  // Qt is half built: no static destructors
    }
    Holding& h = holding();
    {
        const std::lock_guard lock(h.mutex);
        if (h.active && type != QtFatalMsg && h.messages.size() < kMaxHeld) {
            h.messages.push_back(
                {type, context.file, context.line, context.function, context.category, text});
            return;
        }
    }
    if (type == QtFatalMsg) {
        releaseHeld();
    }
    h.previous(type, context, text);
}

}  // namespace

void exitCleanlyWithoutDisplay(bool platformGiven) {
    const bool displayNamed = !qEnvironmentVariableIsEmpty("DISPLAY") ||
                              !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
                              qgetenv("XDG_SESSION_TYPE") == "wayland";
    if (!platformGiven && !displayNamed && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fputs(kNoDisplay, stderr);
        std::exit(1);
    }
    Holding& h = holding();
    {
        const std::lock_guard lock(h.mutex);
        h.active = true;
        h.previous = qInstallMessageHandler(holdWhileOpening);
    }
    // Pre-routines run once the application's platform is open.
    qAddPreRoutine(releaseHeld);
}

}  // namespace hueloupe
