// SPDX-License-Identifier: MIT
#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace hueloupe {

Translations::Translations(const QLocale& locale) {
    // The application's catalogues are built into it (resources under :/i18n); Qt's come
    // from where Qt is installed.
    (void)application.load(locale, QStringLiteral("hueloupe"), QStringLiteral("_"),
                           QStringLiteral(":/i18n"));
    (void)qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

void Translations::install() {
    QCoreApplication::installTranslator(&qt);
    QCoreApplication::installTranslator(&application);
}

}  // namespace hueloupe
