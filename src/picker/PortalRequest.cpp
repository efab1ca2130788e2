// SPDX-License-Identifier: MIT
#include "PortalRequest.h"

#include <utility>

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QDBusVariant>

#include "Token.h"

namespace hueloupe {

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kObject = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kScreenshot = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");
const QString kResponse = QStringLiteral("Response");

QDBusConnection bus() {
    return QDBusConnection::sessionBus();
}

// Errors that say there is no portal, or not this interface in it, as opposed to one that
// misbehaved.
bool meansNoPortal(const QDBusMessage& error) {
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

}  // namespace

PortalRequest::PortalRequest(QObject* parent) : QObject(parent) {}

PortalRequest::~PortalRequest() {
    cancel();
}

QString PortalRequest::requestPath() const {
    return request_ ? request_->requestPath : QString();
}

void PortalRequest::start(const QString& method, const QVariantMap& options,
                          uint minimumVersion) {
    cancel();
    request_ = Request{++serial_,    method, options, minimumVersion,
                       makeToken().remove(u'-').prepend(u"hueloupe"), {}, {}};
    if (!bus().isConnected()) {
        fail(true);
        return;
    }
    if (!portalWatcher_) {
        portalWatcher_ = new QDBusServiceWatcher(kService, bus(),
                                                 QDBusServiceWatcher::WatchForOwnerChange, this);
        connect(portalWatcher_, &QDBusServiceWatcher::serviceOwnerChanged, this,
                &PortalRequest::portalOwnerChanged);
    }
    QDBusMessage get = QDBusMessage::createMethodCall(
        kService, kObject, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"));
    get << kScreenshot << QStringLiteral("version");
    await(bus().asyncCall(get), &PortalRequest::versionRead);
}

void PortalRequest::await(const QDBusPendingCall& call, ReplyHandler handler) {
    auto* watcher = new QDBusPendingCallWatcher(call, this);
    const quint64 serial = request_->serial;
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, serial, handler] {
        watcher->deleteLater();
        if (request_ && request_->serial == serial) {  // else it was dropped or has ended
            (this->*handler)(watcher->reply());
        }
    });
}

void PortalRequest::versionRead(const QDBusMessage& reply) {
    if (reply.type() == QDBusMessage::ErrorMessage) {
        fail(meansNoPortal(reply));
        return;
    }
    const std::optional<uint> version = portalVersion(reply);
    if (!version || *version < request_->minimumVersion) {
        fail(version.has_value());
        return;
    }
    request_->portal = reply.service();
    // Listen before calling: the portal may answer before its reply reaches us.
    if (!follow(predictedRequestPath(bus().baseService(), request_->token))) {
        fail(false);
        return;
    }
    QVariantMap options = request_->options;
    options.insert(QStringLiteral("handle_token"), request_->token);
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kObject, kScreenshot,
                                                       request_->method);
    call << QString() << options;
    await(bus().asyncCall(call), &PortalRequest::called);
}

void PortalRequest::called(const QDBusMessage& reply) {
    const std::optional<QDBusObjectPath> request = onlyArgument<QDBusObjectPath>(reply);
    if (!request || reply.service() != request_->portal) {
        fail(reply.type() == QDBusMessage::ErrorMessage && meansNoPortal(reply));
        return;
    }
    if (request->path() != request_->requestPath) {
        // Portals older than the handle token make their own path.
        unfollow(std::exchange(request_->requestPath, QString()));
        if (!follow(request->path())) {
            fail(false);
        }
    }
}

void PortalRequest::onResponse(const QDBusMessage& message) {
    if (!request_ || request_->requestPath.isEmpty() || message.path() != request_->requestPath ||
        message.service() != request_->portal) {
        return;  // a request that was dropped or has ended, or another client's forgery
    }
    const QList<QVariant> arguments = message.arguments();
    if (message.signature() != QLatin1String("ua{sv}") || arguments.size() != 2 ||
        arguments[1].metaType() != QMetaType::fromType<QDBusArgument>()) {
        fail(false);
        return;
    }
    const uint response = arguments[0].toUInt();
    const auto results = qdbus_cast<QVariantMap>(arguments[1].value<QDBusArgument>());
    end();
    emit responded(response, results);
}

void PortalRequest::portalOwnerChanged(const QString& /*name*/, const QString& oldOwner,
                                       const QString& /*newOwner*/) {
    if (request_ && !request_->portal.isEmpty() && oldOwner == request_->portal) {
        fail(false);  // the portal that was answering has left: it never will
    }
}

bool PortalRequest::follow(const QString& requestPath) {
    if (!bus().connect(QString(), requestPath, kRequest, kResponse, this,
                       SLOT(onResponse(QDBusMessage)))) {
        return false;
    }
    request_->requestPath = requestPath;
    return true;
}

void PortalRequest::unfollow(const QString& requestPath) {
    if (!requestPath.isEmpty()) {
        bus().disconnect(QString(), requestPath, kRequest, kResponse, this,
                         SLOT(onResponse(QDBusMessage)));
    }
}

void PortalRequest::cancel() {
    if (!request_) {
        return;
    }
    const QString requestPath = request_->requestPath;
    end();
    if (!requestPath.isEmpty()) {
        // Takes the portal's dialog off the screen if it is still there; no answer is needed.
        QDBusMessage close =
            QDBusMessage::createMethodCall(kService, requestPath, kRequest, QStringLiteral("Close"));
        close.setAutoStartService(false);
        bus().send(close);
    }
}

void PortalRequest::end() {
    if (request_) {
        unfollow(std::exchange(request_, std::nullopt)->requestPath);
    }
}

void PortalRequest::fail(bool unavailable) {
    end();
    emit failed(unavailable);
}

}  // namespace hueloupe
