// SPDX-License-Identifier: MIT
#include "InstanceClient.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QFile>
#include <QVariantMap>
#include <algorithm>

#include "SingleInstance.h"

namespace hueloupe {
namespace {

constexpr int kActivateWaitMs = 5000;
constexpr int kPickWaitMs = 15 * 60 * 1000;  // a pick waits for the user, but not for ever
constexpr qsizetype kMaxAnswerText = 4096;   // UTF-16 units of a pick's printed text
constexpr qint64 kMaxEnvironment = 1 << 20;

// A variable of the environment this process started with. Qt's X11 platform takes
// DESKTOP_STARTUP_ID out of the environment as the application opens; /proc still has it.
QString launchVariable(const char* name) {
    if (const QByteArray value = qgetenv(name); !value.isEmpty()) {
        return QString::fromUtf8(value);
    }
    QFile file(QStringLiteral("/proc/self/environ"));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray prefix = QByteArray(name) + '=';
    for (const QByteArray& entry : file.read(kMaxEnvironment).split('\0')) {
        if (entry.startsWith(prefix)) {
            return QString::fromUtf8(entry.mid(prefix.size()));
        }
    }
    return {};
}

// What a launcher hands a launch, passed on so that the running window may take the focus.
QVariantMap platformData() {
    QVariantMap data;
    for (const auto& [key, variable] : {std::pair{"activation-token", "XDG_ACTIVATION_TOKEN"},
                                        std::pair{"desktop-startup-id", "DESKTOP_STARTUP_ID"}}) {
        if (const QString value = launchVariable(variable); !value.isEmpty()) {
            data.insert(QString::fromLatin1(key), value);
        }
    }
    return data;
}

// The answer to a Pick, when it is one the running instance could give: status 0 (picked) or 1
// (nothing picked) and one short line. Anything else is not trusted.
std::optional<InstanceAnswer> pickAnswer(const QDBusMessage& reply) {
    if (reply.type() != QDBusMessage::ReplyMessage || reply.signature() != u"is") {
        return std::nullopt;
    }
    const int status = reply.arguments()[0].toInt();
    const QString text = reply.arguments()[1].toString();
    const bool oneLine = std::none_of(text.begin(), text.end(), [](QChar c) {
        return c.category() == QChar::Other_Control && c != u'\t';
    });
    if ((status != 0 && status != kNothingPicked) || text.size() > kMaxAnswerText || !oneLine) {
        return std::nullopt;
    }
    return InstanceAnswer{status, text};
}

QDBusMessage call(const char* interface, const QString& method) {
    QDBusMessage message = QDBusMessage::createMethodCall(QString::fromLatin1(kInstanceService),
                                                          QString::fromLatin1(kInstancePath),
                                                          QString::fromLatin1(interface), method);
    message.setAutoStartService(false);  // only a running instance
    return message;
}

}  // namespace

std::optional<InstanceAnswer> tryHandOff(const LaunchOptions& command) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return std::nullopt;
    }
    if (command.mode != LaunchOptions::Mode::Pick) {
        QDBusMessage activate = call("org.freedesktop.Application", QStringLiteral("Activate"));
        activate << platformData();
        const QDBusMessage reply = bus.call(activate, QDBus::Block, kActivateWaitMs);
        return reply.type() == QDBusMessage::ReplyMessage ? std::optional(InstanceAnswer{})
                                                          : std::nullopt;
    }
    // An owner that does not even answer a ping (a hung or stopped process) is not waited for.
    const QDBusMessage ping = bus.call(call("org.freedesktop.DBus.Peer", QStringLiteral("Ping")),
                                       QDBus::Block, kActivateWaitMs);
    if (ping.type() != QDBusMessage::ReplyMessage) {
        return std::nullopt;
    }
    QDBusMessage pick = call(kInstanceInterface, QStringLiteral("Pick"));
    pick << QString::fromStdString(command.format.value_or(std::string())) << command.copy;
    return pickAnswer(bus.call(pick, QDBus::Block, kPickWaitMs));
}

}  // namespace hueloupe
