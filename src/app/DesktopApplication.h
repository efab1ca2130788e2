// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusAbstractAdaptor>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

namespace hueloupe {

class SingleInstance;

// The desktop's own way to reach a running application (org.freedesktop.Application), beside
// our interface on the same object: launchers call it for a desktop entry that is
// DBusActivatable. Activate and Open raise the window; ActivateAction("pick") starts a pick in
// it. Each passes on the launch's activation token (empty when none or unusable) through the
// instance's signals; the adaptor has none of its own, which the bus would show.
class DesktopApplication : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    explicit DesktopApplication(SingleInstance& instance);

public slots:  // on the bus
    void Activate(const QVariantMap& platformData);
    void Open(const QStringList& uris, const QVariantMap& platformData);
    void ActivateAction(const QString& name, const QVariantList& parameter,
                        const QVariantMap& platformData);

private:
    SingleInstance& instance_;
};

// The token a launcher put in a call's platform data: "activation-token" (Wayland), else
// "desktop-startup-id" (X11). Empty unless it is a short run of printable ASCII without spaces,
// quotes or backslashes, which is all either protocol hands out.
QString activationToken(const QVariantMap& platformData);

}  // namespace hueloupe
