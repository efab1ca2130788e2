// SPDX-License-Identifier: MIT
#include "InstanceClient.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>

#include "SingleInstance.h"

namespace hueloupe {
namespace {

constexpr int kActivateWaitMs = 5000;
constexpr int kPickWaitMs = 15 * 60 * 1000;  // a pick waits for the user, but not for ever

}  // namespace

std::optional<InstanceAnswer> tryHandOff(const LaunchOptions& command) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        return std::nullopt;
    }
    const bool pick = command.mode == LaunchOptions::Mode::Pick;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QString::fromLatin1(kInstanceService), QString::fromLatin1(kInstancePath),
        QString::fromLatin1(kInstanceInterface),
        pick ? QStringLiteral("Pick") : QStringLiteral("Activate"));
    call.setAutoStartService(false);  // only a running instance
    if (pick) {
        call << QString::fromStdString(command.format.value_or(std::string())) << command.copy;
    }
    const QDBusMessage reply = bus.call(call, QDBus::Block, pick ? kPickWaitMs : kActivateWaitMs);
    if (reply.type() == QDBusMessage::ErrorMessage) {
        const QDBusError error(reply);
        // A call that may not start a service gets NameHasNoOwner, which Qt has no type for.
        const bool noInstance = error.name() == u"org.freedesktop.DBus.Error.NameHasNoOwner" ||
                                error.type() == QDBusError::ServiceUnknown ||
                                error.type() == QDBusError::UnknownObject ||
                                error.type() == QDBusError::UnknownMethod;
        // An instance that took a pick and then failed answers for it: nothing was picked.
        if (noInstance || !pick) {
            return std::nullopt;
        }
        return InstanceAnswer{kNothingPicked, {}};
    }
    if (!pick) {
        return InstanceAnswer{};
    }
    const QList<QVariant> values = reply.arguments();
    if (values.size() != 2 || !values[0].canConvert<int>()) {
        return InstanceAnswer{kNothingPicked, {}};
    }
    return InstanceAnswer{values[0].toInt(), values[1].toString()};
}

}  // namespace hueloupe
