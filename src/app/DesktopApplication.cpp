// SPDX-License-Identifier: MIT
#include "DesktopApplication.h"

#include <QtGlobal>
#include <algorithm>

#include "SingleInstance.h"

namespace hueloupe {
namespace {

constexpr qsizetype kMaxTokenLength = 1024;

bool usable(const QString& token) {
    return token.size() <= kMaxTokenLength && std::all_of(token.begin(), token.end(), [](QChar c) {
               return c.unicode() > u' ' && c.unicode() < 0x7f && c != u'"' && c != u'\\';
           });
}

}  // namespace

QString activationToken(const QVariantMap& platformData) {
    for (const char* key : {"activation-token", "desktop-startup-id"}) {
        const QVariant value = platformData.value(QString::fromLatin1(key));
        const QString token = value.typeId() == QMetaType::QString ? value.toString() : QString();
        if (!token.isEmpty() && usable(token)) {
            return token;
        }
    }
    return {};
}

DesktopApplication::DesktopApplication(SingleInstance& instance)
    : QDBusAbstractAdaptor(&instance), instance_(instance) {}

void DesktopApplication::Activate(const QVariantMap& platformData) {
    emit instance_.activateRequested(activationToken(platformData));
}

void DesktopApplication::Open(const QStringList& /*uris*/, const QVariantMap& platformData) {
    emit instance_.activateRequested(activationToken(platformData));  // nothing to open: the window
}

void DesktopApplication::ActivateAction(const QString& name, const QVariantList& /*parameter*/,
                                        const QVariantMap& platformData) {
    if (name == u"pick") {
        emit instance_.pickActionRequested(activationToken(platformData));
    } else {
        qWarning("hueloupe: the desktop asked for an unknown action '%s'",
                 qUtf8Printable(name.left(100)));
    }
}

}  // namespace hueloupe
