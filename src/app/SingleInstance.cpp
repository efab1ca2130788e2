// SPDX-License-Identifier: MIT
#include "SingleInstance.h"

#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusServiceWatcher>
#include <QTimer>

#include "CommandLine.h"

#include "DesktopApplication.h"

namespace hueloupe {
struct PickReply::Pending {
    Pending(const QDBusConnection& bus, const QDBusMessage& call) : bus(bus), call(call) {}
    Pending(const Pending&) = delete;
    Pending& operator=(const Pending&) = delete;
    ~Pending() {
        send(kNothingPicked, {});
        if (watcher) {
            watcher.release()->deleteLater();  // this may run inside the watcher's own signal
        }
    }

    QDBusConnection bus;
    QDBusMessage call;
    bool answered = false;
    std::unique_ptr<QDBusServiceWatcher> watcher;

    void send(int status, const QString& text) {
        if (!answered) {
            answered = true;
            if (watcher) {
                QObject::disconnect(watcher.get(), &QDBusServiceWatcher::serviceUnregistered,
                                    nullptr, nullptr);
            }
            bus.send(call.createReply({status, text}));
        }
    }
};

PickReply::PickReply(const QDBusConnection& bus, const QDBusMessage& call)
    : pending_(std::make_shared<Pending>(bus, call)) {}

void PickReply::answer(int status, const QString& text) const {
    pending_->send(status, text);
}

void PickReply::whenCallerLeaves(std::function<void()> left) const {
    Pending& pending = *pending_;
    if (pending.answered || pending.watcher) {
        return;
    }
    const QString caller = pending.call.service();
    pending.watcher = std::make_unique<QDBusServiceWatcher>(
        caller, pending.bus, QDBusServiceWatcher::WatchForUnregistration);
    QObject::connect(pending.watcher.get(), &QDBusServiceWatcher::serviceUnregistered,
                     pending.watcher.get(), [left] { left(); }, Qt::QueuedConnection);
    // A caller gone before the watch began is never announced: ask once.
    QDBusConnectionInterface* daemon = pending.bus.interface();
    if (daemon && !daemon->isServiceRegistered(caller).value()) {
        QTimer::singleShot(0, pending.watcher.get(), [left] { left(); });
    }
}

SingleInstance::SingleInstance(QObject* parent)
    : QObject(parent), bus_(QDBusConnection::sessionBus()) {
    new DesktopApplication(*this);  // owned through Qt, exported with this object
}

SingleInstance::~SingleInstance() {
    if (claimed_) {
        bus_.unregisterObject(QString::fromLatin1(kInstancePath));
        bus_.unregisterService(QString::fromLatin1(kInstanceService));
    }
}

SingleInstance::Claim SingleInstance::claim() {
    if (claimed_) {
        return Claim::Claimed;
    }
    QDBusConnectionInterface* daemon = bus_.isConnected() ? bus_.interface() : nullptr;
    if (!daemon) {
        return Claim::NoBus;
    }
    // The object first, so that a caller who finds the name finds the object too.
    const QString path = QString::fromLatin1(kInstancePath);
    if (!bus_.registerObject(path, this,
                             QDBusConnection::ExportAllSlots | QDBusConnection::ExportAdaptors)) {
        return Claim::NoBus;
    }
    const auto reply = daemon->registerService(QString::fromLatin1(kInstanceService),
                                               QDBusConnectionInterface::DontQueueService,
                                               QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid() || reply.value() != QDBusConnectionInterface::ServiceRegistered) {
        bus_.unregisterObject(path);
        // A bus that refuses the request is as good as none.
        return reply.isValid() ? Claim::Taken : Claim::NoBus;
    }
    claimed_ = true;
    return Claim::Claimed;
}

void SingleInstance::setPickHandler(PickHandler handler) {
    pickHandler_ = std::move(handler);
}

void SingleInstance::Activate() {
    emit activateRequested({});
}

int SingleInstance::Pick(const QString& format, bool copy, const QDBusMessage& call,
                         QString& /*text*/) {
    call.setDelayedReply(true);
    if (format.size() > kMaxFormatLength) {
        bus_.send(
            call.createErrorReply(QDBusError::InvalidArgs, QStringLiteral("format too long")));
        return kNothingPicked;
    }
    const PickReply reply(bus_, call);
    if (pickHandler_) {
        pickHandler_(PickRequest{format, copy}, reply);
    }
    return kNothingPicked;  // the reply goes out when answered, or as status 1 when dropped
}

}  // namespace hueloupe
