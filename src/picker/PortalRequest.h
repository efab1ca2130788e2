// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusMessage>
#include <QObject>
#include <QVariantMap>
#include <optional>

class QDBusPendingCall;
class QDBusServiceWatcher;

namespace hueloupe {

// One request to the desktop portal's Screenshot interface (org.freedesktop.portal.Screenshot)
// on the session bus, asynchronous from end to end: it reads the interface's version, calls the
// method with our handle token and waits for the Response signal of the request object. Only
// the portal that answered the version is believed: another client's Response is ignored, and
// the request fails when that portal leaves the bus. One request at a time.
class PortalRequest final : public QObject {
    Q_OBJECT

public:
    explicit PortalRequest(QObject* parent = nullptr);
    ~PortalRequest() override;

    // Calls method(parent_window "", options + handle_token) once the interface is at least
    // minimumVersion. A running request is dropped first.
    void start(const QString& method, const QVariantMap& options, uint minimumVersion);
    // Drops a running request without a signal and asks the portal to close it.
    void cancel();
    bool isRunning() const { return request_.has_value(); }
    // The request object whose Response the running request waits for; empty when none.
    QString requestPath() const;

signals:
    // The portal's answer: response 0 is success, 1 cancelled by the user, 2 otherwise ended.
    void responded(uint response, const QVariantMap& results);
    // No portal or no such interface (unavailable), or a portal that misbehaved or left.
    void failed(bool unavailable);

private slots:
    // Slot by name: QtDBus delivers bus signals only to slots named this way.
    void onResponse(const QDBusMessage& message);

private:
    struct Request {
        quint64 serial = 0;
        QString method;
        QVariantMap options;
        uint minimumVersion = 1;
        QString token;        // our handle_token
        QString requestPath;  // predicted until the call returns the real one
        QString portal;       // the unique bus name of the portal that answers, once known
    };

    using ReplyHandler = void (PortalRequest::*)(const QDBusMessage& reply);
    void await(const QDBusPendingCall& call, ReplyHandler handler);
    void versionRead(const QDBusMessage& reply);
    void called(const QDBusMessage& reply);
    void portalOwnerChanged(const QString& name, const QString& oldOwner, const QString& newOwner);
    bool follow(const QString& requestPath);
    void unfollow(const QString& requestPath);
    void end();
    void fail(bool unavailable);

    QDBusServiceWatcher* portalWatcher_ = nullptr;  // made with the first request
    std::optional<Request> request_;
    quint64 serial_ = 0;
};

}  // namespace hueloupe
