// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QObject>
#include <QString>

#include "Picker.h"

class QDBusServiceWatcher;

namespace hueloupe {

// Picks through the desktop portal's colour picker (org.freedesktop.portal.Screenshot, version
// 2 or later) on the session bus: the way to pick where the screen cannot be read, as on Wayland.
// Every call is asynchronous; nothing touches the bus before the first session.
//
// A session reads the portal's version, then calls PickColor and waits for the Response signal
// of the request object, from the portal that answered the version (another client on the bus
// cannot answer for it). A session that is never answered holds nothing: a new session or
// cancel() drops it, and anything that arrives for it later is ignored; it fails when that
// portal leaves the bus. The portal's picker chooses its own place to start, so the position a
// session starts at is not used.
class PortalPicker final : public Picker {
    Q_OBJECT

public:
    explicit PortalPicker(QObject* parent = nullptr);
    ~PortalPicker() override;

    // The request object whose Response the running session waits for; empty when none.
    QString requestPath() const;

protected:
    void begin(QPointF at) override;
    void end() override;

private slots:
    // Slot by name: QtDBus delivers bus signals only to slots named this way.
    void onResponse(const QDBusMessage& message);

private:
    enum class Outcome { Picked, Failed, Unavailable };
    struct Session {
        quint64 serial = 0;
        QString token;        // our handle_token for the request
        QString requestPath;  // predicted until PickColor returns the real one
        QString portal;       // the unique bus name of the portal that answers, once known
    };

    using ReplyHandler = void (PortalPicker::*)(const QDBusMessage& reply);
    void await(const QDBusPendingCall& call, ReplyHandler handler);
    void versionRead(const QDBusMessage& reply);
    void pickStarted(const QDBusMessage& reply);
    void portalOwnerChanged(const QString& name, const QString& oldOwner, const QString& newOwner);
    bool follow(const QString& requestPath);
    void unfollow(const QString& requestPath);
    void finish(Outcome outcome, const ColorValue& color = {});

    QDBusServiceWatcher* portalWatcher_ = nullptr;  // made with the first session
    std::optional<Session> session_;
    quint64 serial_ = 0;
};

}  // namespace hueloupe
