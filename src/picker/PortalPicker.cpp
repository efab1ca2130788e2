// SPDX-License-Identifier: MIT
#include "PortalPicker.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QVariantMap>

#include "Token.h"

namespace hueloupe {

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kObject = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kScreenshot = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");
const QString kResponse = QStringLiteral("Response");
// PickColor came with version 2 of the interface.
constexpr uint kMinimumVersion = 2;

QDBusConnection bus() {
    return QDBusConnection::sessionBus();
}

// Errors that say there is no portal, or no picker in it, as opposed to one that misbehaved.
bool meansNoPicker(const QDBusMessage& error) {
    switch (QDBusError(error).type()) {
        case QDBusError::ServiceUnknown:
        case QDBusError::NoServer:
        case QDBusError::Disconnected:
        case QDBusError::UnknownObject:
        case QDBusError::UnknownInterface:
        case QDBusError::UnknownProperty:
        case QDBusError::UnknownMethod:
        case QDBusError::InvalidArgs:  // some buses answer a missing interface so
            return true;
        default:
            return false;
    }
}

// The single argument of a reply when it has the given type.
template <typename T>
std::optional<T> onlyArgument(const QDBusMessage& reply) {
    const QList<QVariant> arguments = reply.arguments();
    if (reply.type() != QDBusMessage::ReplyMessage || arguments.size() != 1 ||
        arguments.front().metaType() != QMetaType::fromType<T>()) {
        return std::nullopt;
    }
    return arguments.front().value<T>();
}

std::optional<uint> portalVersion(const QDBusMessage& reply) {
    const std::optional<QDBusVariant> boxed = onlyArgument<QDBusVariant>(reply);
    if (!boxed || boxed->variant().metaType() != QMetaType::fromType<uint>()) {
        return std::nullopt;
    }
    return boxed->variant().toUInt();
}

// The request object the portal makes for our handle token, known before the call returns.
QString predictedRequestPath(QString sender, const QString& token) {
    sender.remove(0, sender.startsWith(u':') ? 1 : 0).replace(u'.', u'_');
    return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
}

// The colour of a Response (u response, a{sv} results): response 0 with "color" holding three
// finite doubles, each brought into 0..1. Anything else, however malformed, is no colour.
std::optional<ColorValue> pickedColor(const QDBusMessage& response) {
    const QList<QVariant> arguments = response.arguments();
    if (response.signature() != QLatin1String("ua{sv}") || arguments.size() != 2 ||
        arguments[0].toUInt() != 0 ||
        arguments[1].metaType() != QMetaType::fromType<QDBusArgument>()) {
        return std::nullopt;
    }
    const auto results = qdbus_cast<QVariantMap>(arguments[1].value<QDBusArgument>());
    const QVariant boxed = results.value(QStringLiteral("color"));
    if (boxed.metaType() != QMetaType::fromType<QDBusArgument>()) {
        return std::nullopt;
    }
    const auto triple = boxed.value<QDBusArgument>();
    if (triple.currentSignature() != QLatin1String("(ddd)")) {
        return std::nullopt;
    }
    double red = 0;
    double green = 0;
    double blue = 0;
    triple.beginStructure();
    triple >> red >> green >> blue;
    triple.endStructure();
    if (!std::isfinite(red) || !std::isfinite(green) || !std::isfinite(blue)) {
        return std::nullopt;
    }
    return ColorValue{std::clamp(red, 0.0, 1.0), std::clamp(green, 0.0, 1.0),
                      std::clamp(blue, 0.0, 1.0), 1.0};
}

}  // namespace

PortalPicker::PortalPicker(QObject* parent) : Picker(parent) {}

PortalPicker::~PortalPicker() {
    cancel();
}

QString PortalPicker::requestPath() const {
    return session_ ? session_->requestPath : QString();
}

void PortalPicker::begin(QPointF /*at*/) {
    session_ = Session{++serial_, makeToken().remove(u'-').prepend(u"hueloupe"), {}, {}};
    if (!bus().isConnected()) {
        finish(Outcome::Unavailable);
        return;
    }
    if (!portalWatcher_) {
        portalWatcher_ = new QDBusServiceWatcher(kService, bus(),
                                                 QDBusServiceWatcher::WatchForOwnerChange, this);
        connect(portalWatcher_, &QDBusServiceWatcher::serviceOwnerChanged, this,
                &PortalPicker::portalOwnerChanged);
    }
    QDBusMessage get = QDBusMessage::createMethodCall(
        kService, kObject, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"));
    get << kScreenshot << QStringLiteral("version");
    await(bus().asyncCall(get), &PortalPicker::versionRead);
}

void PortalPicker::await(const QDBusPendingCall& call, ReplyHandler handler) {
    auto* watcher = new QDBusPendingCallWatcher(call, this);
    const quint64 serial = session_->serial;
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, serial, handler] {
        watcher->deleteLater();
        if (session_ && session_->serial == serial) {  // else the session was dropped or ended
            (this->*handler)(watcher->reply());
        }
    });
}

void PortalPicker::versionRead(const QDBusMessage& reply) {
    if (reply.type() == QDBusMessage::ErrorMessage) {
        finish(meansNoPicker(reply) ? Outcome::Unavailable : Outcome::Failed);
        return;
    }
    const std::optional<uint> version = portalVersion(reply);
    if (!version || *version < kMinimumVersion) {
        finish(version ? Outcome::Unavailable : Outcome::Failed);
        return;
    }
    session_->portal = reply.service();
    // Listen before calling: the portal may answer before its reply reaches us.
    if (!follow(predictedRequestPath(bus().baseService(), session_->token))) {
        finish(Outcome::Failed);
        return;
    }
    QDBusMessage pick =
        QDBusMessage::createMethodCall(kService, kObject, kScreenshot, QStringLiteral("PickColor"));
    pick << QString() << QVariantMap{{QStringLiteral("handle_token"), session_->token}};
    await(bus().asyncCall(pick), &PortalPicker::pickStarted);
}

void PortalPicker::pickStarted(const QDBusMessage& reply) {
    const std::optional<QDBusObjectPath> request = onlyArgument<QDBusObjectPath>(reply);
    if (!request || reply.service() != session_->portal) {
        finish(Outcome::Failed);
        return;
    }
    if (request->path() != session_->requestPath) {
        // Portals older than the handle token make their own path.
        unfollow(std::exchange(session_->requestPath, QString()));
        if (!follow(request->path())) {
            finish(Outcome::Failed);
        }
    }
}

void PortalPicker::onResponse(const QDBusMessage& message) {
    if (!session_ || session_->requestPath.isEmpty() || message.path() != session_->requestPath ||
        message.service() != session_->portal) {
        return;  // a request that was dropped or has ended, or another client's forgery
    }
    if (const std::optional<ColorValue> color = pickedColor(message)) {
        finish(Outcome::Picked, *color);
    } else {
        finish(Outcome::Failed);
    }
}

void PortalPicker::portalOwnerChanged(const QString& /*name*/, const QString& oldOwner,
                                      const QString& /*newOwner*/) {
    if (session_ && !session_->portal.isEmpty() && oldOwner == session_->portal) {
        finish(Outcome::Failed);  // the portal that was picking has left: it will never answer
    }
}

bool PortalPicker::follow(const QString& requestPath) {
    if (!bus().connect(QString(), requestPath, kRequest, kResponse, this,
                       SLOT(onResponse(QDBusMessage)))) {
        return false;
    }
    session_->requestPath = requestPath;
    return true;
}

void PortalPicker::unfollow(const QString& requestPath) {
    if (!requestPath.isEmpty()) {
        bus().disconnect(QString(), requestPath, kRequest, kResponse, this,
                         SLOT(onResponse(QDBusMessage)));
    }
}

void PortalPicker::end() {
    if (!session_) {
        return;
    }
    const Session dropped = *std::exchange(session_, std::nullopt);
    unfollow(dropped.requestPath);
    if (!dropped.requestPath.isEmpty()) {
        // Takes the portal's picker off the screen if it is still there; the answer is not needed.
        QDBusMessage close = QDBusMessage::createMethodCall(kService, dropped.requestPath, kRequest,
                                                            QStringLiteral("Close"));
        close.setAutoStartService(false);
        bus().send(close);
    }
}

void PortalPicker::finish(Outcome outcome, const ColorValue& color) {
    const Session ended = *std::exchange(session_, std::nullopt);
    unfollow(ended.requestPath);
    switch (outcome) {
        case Outcome::Picked:
            reportPicked(color);
            break;
        case Outcome::Failed:
            reportFailed();
            break;
        case Outcome::Unavailable:
            reportUnavailable();
            break;
    }
}

}  // namespace hueloupe
